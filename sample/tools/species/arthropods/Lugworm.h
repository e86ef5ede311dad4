#pragma once

class QPainter;

namespace sylvenor::draw::arthropods {

// Arenicola marina from above: a thick reddish-brown worm whose middle part carries thirteen
// pairs of small red bushy gills, followed by a thinner ringed tail without gills.
class Lugworm {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw::arthropods
