#pragma once

class QPainter;

namespace sylvenor::draw {

// Green hydra, greatly enlarged: a translucent tube standing on a scrap of water-plant leaf,
// seven tentacles all round its mouth and a bud on its side.
class HydraPainter {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw
