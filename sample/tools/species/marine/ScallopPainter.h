#pragma once

class QPainter;

namespace sylvenor::draw {

// Great scallop seen from the front and above: the fan-shaped upper valve with its fifteen
// strong ribs and two ears at the hinge, slightly open on the mantle edge with its row of small
// blue-black eyes and short tentacles, and the paler lower valve beneath.
class ScallopPainter {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw
