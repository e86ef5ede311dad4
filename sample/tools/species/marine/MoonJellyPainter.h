#pragma once

class QPainter;

namespace sylvenor::draw {

// Moon jellyfish seen from above and a little tilted: a clear bell with four violet horseshoes,
// a fringe of fine short tentacles and four frilly arms hanging underneath.
class MoonJellyPainter {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw
