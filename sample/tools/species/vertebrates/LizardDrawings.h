#pragma once

namespace sylvenor::draw {

class DrawingCatalog;

// The wall lizard and the western green lizard, seen from above.
class LizardDrawings {
 public:
  static void addTo(DrawingCatalog& catalog);
};

}  // namespace sylvenor::draw
