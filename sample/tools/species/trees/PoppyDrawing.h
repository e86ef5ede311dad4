#pragma once

#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace sylvenor::draw {

// Coquelicot: a plant with hairy stems, one open scarlet flower, one nodding hairy bud, one ripe
// seed capsule (the fruit) with its flat lid, and a few deeply cut leaves at its base.
class PoppyDrawing {
 public:
  static void paint(QPainter& painter);

 private:
  struct Leaf {
    qreal angle;
    qreal length;
    qreal bend;
    unsigned seed;
  };

  static QPolygonF leafOutline(qreal length, unsigned seed);
  static void paintLeaf(QPainter& painter, const Leaf& leaf);
  static void paintHairyStem(QPainter& painter, const QPainterPath& spine, qreal startWidth,
                             qreal endWidth, unsigned seed);
};

}  // namespace sylvenor::draw
