#pragma once

class QPainter;

namespace sylvenor::draw {

// Common starfish from above: five broad arms tapering to points, orange-brown, white spines in
// rows along each arm over a fine net of chalky plates, and the small sieve plate off-centre.
class CommonStarfishPainter {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw
