#pragma once

namespace sylvenor::draw {

class DrawingCatalog;

class ArthropodDrawings {
 public:
  static void addTo(DrawingCatalog& catalog);
};

}  // namespace sylvenor::draw
