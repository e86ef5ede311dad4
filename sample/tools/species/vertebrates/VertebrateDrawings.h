#pragma once

namespace sylvenor::draw {

class DrawingCatalog;

// Reptiles, amphibians and fish: the animals with a backbone that the keys sort by their skin.
class VertebrateDrawings {
 public:
  static void addTo(DrawingCatalog& catalog);
};

}  // namespace sylvenor::draw
