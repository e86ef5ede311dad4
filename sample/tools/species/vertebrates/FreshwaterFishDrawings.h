#pragma once

namespace sylvenor::draw {

class DrawingCatalog;

// Fish of French rivers and lakes: roach, brown trout, pike.
class FreshwaterFishDrawings {
 public:
  static void addTo(DrawingCatalog& catalog);
};

}  // namespace sylvenor::draw
