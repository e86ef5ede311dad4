#pragma once

#include <QPainterPath>

class QPainter;

namespace sylvenor::draw {

// The black shield behind the head of the seven-spot ladybird, with its white front corners.
// Body coordinates: midline x = 0, head towards -y.
class LadybirdPronotum {
 public:
  static QPainterPath outline();
  static void paint(QPainter& painter);

 private:
  static QPainterPath cornerPatches();
  static void paintShadowOnBack(QPainter& painter, const QPainterPath& shape);
  static void paintCuticle(QPainter& painter, const QPainterPath& shape);
  static void paintPatches(QPainter& painter, const QPainterPath& shape);
  static void paintGloss(QPainter& painter, const QPainterPath& shape);
};

}  // namespace sylvenor::draw
