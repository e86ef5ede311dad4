#pragma once

class QPainter;

namespace sylvenor::draw {

// Beadlet anemone, open on a stone and seen from three-quarters above: glossy red column, blue
// beads at its rim and about fifty short tentacles in rings round the mouth.
class SeaAnemonePainter {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw
