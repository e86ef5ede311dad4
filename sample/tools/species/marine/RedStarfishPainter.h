#pragma once

class QPainter;

namespace sylvenor::draw {

// Red starfish of the Mediterranean from above: a small disc and five slender,
// rounded arms of an even bright red, the velvety skin dotted with pores and tiny bumps.
class RedStarfishPainter {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw
