#pragma once

#include <QColor>
#include <QPointF>
#include <QVector>

class QPainter;

namespace sylvenor::draw {

// Funaire hygrométrique: tiny pale rosettes of leaves sending up many long curved orange setae,
// each ending in a tilted, ribbed, pear-shaped capsule; rhizoid hairs below.
class FunariaDrawing {
 public:
  static void paint(QPainter& painter);

 private:
  struct Seta {
    int rosette;
    qreal lean;
    qreal length;
    qreal hook;  // how far the tip bends over, in degrees
    QColor capsule;
  };

  static QVector<QPointF> setaSpine(QPointF base, const Seta& seta, qreal& tipHeading);
  static void paintRosette(QPainter& painter, QPointF base, qreal size, bool detailed);
  static void paintSeta(QPainter& painter, QPointF base, const Seta& seta, bool detailed);
  static void paintCapsule(QPainter& painter, const QColor& colour, bool detailed);
};

}  // namespace sylvenor::draw
