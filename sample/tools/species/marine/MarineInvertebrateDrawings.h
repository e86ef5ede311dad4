#pragma once

namespace sylvenor::draw {

class DrawingCatalog;

class MarineInvertebrateDrawings {
 public:
  static void addTo(DrawingCatalog& catalog);
};

}  // namespace sylvenor::draw
