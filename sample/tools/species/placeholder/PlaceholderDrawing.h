#pragma once

namespace sylvenor::draw {

class DrawingCatalog;

// The neutral picture shown where a species has no photograph: a grey frame with a picture sign
// and the words "Pas de photo", like nothing a species could be taken for.
class PlaceholderDrawing {
 public:
  static void addTo(DrawingCatalog& catalog);
};

}  // namespace sylvenor::draw
