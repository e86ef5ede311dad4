#pragma once

namespace sylvenor::draw {

class DrawingCatalog;

// The fire salamander seen from above: glossy black and yellow, bare moist skin.
class SalamanderDrawing {
 public:
  static void addTo(DrawingCatalog& catalog);
};

}  // namespace sylvenor::draw
