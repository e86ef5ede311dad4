#pragma once

#include <QColor>
#include <QPainterPath>

class QPainter;

namespace sylvenor::draw {

class BodyShape;

// The skin of a reptile: small scales that do not overlap but sit side by side, joined by a thin
// fold of skin, so that the whole surface looks like a fine net.
class ScaleNet {
 public:
  struct Style {
    QColor line;   // the folds between scales
    QColor shine;  // the light on the raised middle of each scale
    qreal lineWidth = 0.8;
    bool keeled = false;  // a ridge along the middle of each scale
  };

  // Round granules of a constant size, as on the back of a lizard.
  static void granules(QPainter& painter, const BodyShape& body, qreal t0, qreal t1, qreal size,
                       const Style& style);
  // The same granules over any shape: a leg, a head.
  static void granulesIn(QPainter& painter, const QPainterPath& shape, qreal size,
                         const Style& style);
  // Rows of six-sided scales that follow the body and narrow with it, as on a snake.
  static void rows(QPainter& painter, const BodyShape& body, qreal t0, qreal t1, int rowCount,
                   qreal scaleLength, const Style& style);
  // Rings of square scales around a tail.
  static void whorls(QPainter& painter, const BodyShape& body, qreal t0, qreal t1,
                     qreal ringSpacing, int scalesAcross, const Style& style);

 private:
  static void paintCells(QPainter& painter, const QPainterPath& cells,
                         const QPainterPath& highlights, const QPainterPath& keels,
                         const Style& style);
};

}  // namespace sylvenor::draw
