#pragma once

#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace sylvenor::draw {

// Acorns of the oak, each in its scaly cup. An acorn is a fruit: cut lengthwise, its brown wall
// is seen around the pale seed that it holds. In their own coordinates the cup is attached to
// its stalk at the origin and the acorn points along +y.
class AcornPainter {
 public:
  static void paintWhole(QPainter& painter, QPointF attachment, qreal angle, qreal length);
  static void paintHalved(QPainter& painter, QPointF attachment, qreal angle, qreal length);

 private:
  static QPainterPath nut(qreal length);
  static QPainterPath cup(qreal length);
  static void place(QPainter& painter, QPointF attachment, qreal angle);
  static void paintNutSkin(QPainter& painter, const QPainterPath& shape, qreal length);
  static void paintCupScales(QPainter& painter, const QPainterPath& shape, qreal length);
  static void paintCutFace(QPainter& painter, qreal length);
};

}  // namespace sylvenor::draw
