#pragma once

namespace sylvenor::draw {

class DrawingCatalog;

// The European tree frog sitting on a twig, seen from its left side.
class TreeFrogDrawing {
 public:
  static void addTo(DrawingCatalog& catalog);
};

}  // namespace sylvenor::draw
