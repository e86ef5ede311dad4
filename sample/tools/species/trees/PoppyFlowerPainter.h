#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace sylvenor::draw {

// The flower, the bud and the fruit of the corn poppy.
class PoppyFlowerPainter {
 public:
  // The open flower seen from above and a little aside: four scarlet petals with a black spot at
  // their base, a ring of black stamens around the young seed capsule and its rayed lid.
  static void paintFlower(QPainter& painter, QPointF centre, qreal radius, qreal tilt);
  // The nodding bud, hairy, hanging from the hooked top of its stalk along `angle`.
  static void paintBud(QPainter& painter, QPointF attachment, qreal angle, qreal length);
  // The ripe capsule, the fruit, standing on its stalk with its flat rayed lid on top.
  static void paintCapsule(QPainter& painter, QPointF base, qreal height);

 private:
  static QPainterPath petal(qreal radius, qreal spread, qreal seed);
  static void paintPetal(QPainter& painter, qreal radius, qreal angle, qreal spread, qreal seed);
  static void paintStamens(QPainter& painter, qreal radius);
  static void paintLid(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY, int rays,
                       const QColor& colour);
};

}  // namespace sylvenor::draw
