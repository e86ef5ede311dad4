#pragma once

namespace sylvenor::draw {

class DrawingCatalog;

class LowPlantDrawings {
 public:
  static void addTo(DrawingCatalog& catalog);
};

}  // namespace sylvenor::draw
