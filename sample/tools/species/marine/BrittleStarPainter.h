#pragma once

class QPainter;

namespace sylvenor::draw {

// Common brittle star from above: a small pentagonal disc with five pairs of plates and five
// long, thin, snaking arms, quite apart from the disc, banded and bristling with glassy spines.
class BrittleStarPainter {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw
