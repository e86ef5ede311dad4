#pragma once

class QPainter;

namespace sylvenor::draw {

// Pin sylvestre: a branch with short blue-green needles in pairs, orange flaking bark on the old
// wood, a closed cone and an open cone whose scales carry naked winged seeds.
class ScotsPineDrawing {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw
