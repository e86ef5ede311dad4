#pragma once

namespace sylvenor::draw {

class DrawingCatalog;

// Fish of the sea: sardine and dusky grouper.
class SeaFishDrawings {
 public:
  static void addTo(DrawingCatalog& catalog);
};

}  // namespace sylvenor::draw
