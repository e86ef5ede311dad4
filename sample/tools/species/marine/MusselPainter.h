#pragma once

class QPainter;

namespace sylvenor::draw {

// Blue mussel from the side and a little from below: two blue-black valves with growth lines,
// pointed at the hinge end, slightly open on the orange flesh and brown frilled mantle edge,
// with the tuft of byssus threads it anchors itself by.
class MusselPainter {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw
