#pragma once

#include "GroupStyle.h"

class QPainter;

namespace sylvenor::draw {

// Silhouettes of the animal groups, each showing what pupils check first in a key (legs, wings,
// fins, shell…), on the 100 × 100 emblem grid.
class AnimalEmblemPainter {
 public:
  static bool handles(Emblem emblem);
  static void paint(QPainter& painter, const GroupStyle& style);
};

}  // namespace sylvenor::draw
