#pragma once

#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace sylvenor::draw {

// Chêne pédonculé: the tip of a twig with a rosette of deeply lobed leaves on very short stalks,
// each with two small ears at its base, and two acorns in their cups on a long common stalk;
// one acorn is cut lengthwise to show the seed inside the fruit.
class OakDrawing {
 public:
  static void paint(QPainter& painter);

 private:
  struct Leaf {
    qreal attach;  // where on the twig, as a percentage of its length
    qreal angle;
    qreal length;
    qreal bend;
    unsigned seed;
  };

  static QPolygonF leafOutline(qreal length, unsigned seed, QPolygonF& veinTips);
  static void paintLeaf(QPainter& painter, const QPainterPath& twig, const Leaf& leaf);
  static void paintTwig(QPainter& painter, const QPainterPath& twig);
  static void paintAcorns(QPainter& painter, const QPainterPath& twig);
};

}  // namespace sylvenor::draw
