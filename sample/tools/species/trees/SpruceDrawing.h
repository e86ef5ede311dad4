#pragma once

class QPainter;

namespace sylvenor::draw {

// Épicéa commun: an orange-brown twig set all round with short, stiff, dark-green needles, and
// a long cylindrical brown cone hanging from it, its thin scales ending in a wavy edge.
class SpruceDrawing {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw
