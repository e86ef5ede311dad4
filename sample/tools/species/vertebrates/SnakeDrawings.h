#pragma once

namespace sylvenor::draw {

class DrawingCatalog;

// The grass snake and the asp viper.
class SnakeDrawings {
 public:
  static void addTo(DrawingCatalog& catalog);
};

}  // namespace sylvenor::draw
