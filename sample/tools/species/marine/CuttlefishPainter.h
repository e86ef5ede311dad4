#pragma once

class QPainter;

namespace sylvenor::draw {

// Common cuttlefish from above: a flattened oval body striped like a zebra and edged all round
// by a narrow rippling fin, eight short arms, two longer tentacles, large eyes with W-shaped
// pupils, and its inner shell, the cuttlebone, showing through the back.
class CuttlefishPainter {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw
