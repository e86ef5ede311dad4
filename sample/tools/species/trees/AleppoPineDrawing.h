#pragma once

class QPainter;

namespace sylvenor::draw {

// Pin d'Alep: grey branch ending in tufts of long, thin, light-green needles in pairs, with two
// glossy reddish-brown cones on short stalks bent backwards.
class AleppoPineDrawing {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw
