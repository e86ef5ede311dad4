#pragma once

#include "GroupStyle.h"

class QPainter;

namespace sylvenor::draw {

// Silhouettes of the plant groups (flower, cone-bearing tree, frond, moss, seaweed, lichen) on
// the 100 × 100 emblem grid.
class PlantEmblemPainter {
 public:
  static bool handles(Emblem emblem);
  static void paint(QPainter& painter, const GroupStyle& style);
};

}  // namespace sylvenor::draw
