#pragma once

namespace sylvenor::draw {

class DrawingCatalog;

// Hermann's tortoise, three-quarters from the front left: domed shell of yellow and black
// scutes, scaly head and thick clawed legs.
class TortoiseDrawing {
 public:
  static void addTo(DrawingCatalog& catalog);
};

}  // namespace sylvenor::draw
