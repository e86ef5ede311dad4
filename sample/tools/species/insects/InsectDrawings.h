#pragma once

namespace sylvenor::draw {

class DrawingCatalog;

class InsectDrawings {
 public:
  static void addTo(DrawingCatalog& catalog);
};

}  // namespace sylvenor::draw
