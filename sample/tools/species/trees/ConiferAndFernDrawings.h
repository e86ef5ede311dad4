#pragma once

namespace sylvenor::draw {

class DrawingCatalog;

class ConiferAndFernDrawings {
 public:
  static void addTo(DrawingCatalog& catalog);
};

}  // namespace sylvenor::draw
