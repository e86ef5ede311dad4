#pragma once

#include <QPainterPath>
#include <QPointF>
#include <random>

class QPainter;

namespace sylvenor::draw {

// If commun: a spray of shoots with flat dark-green needles in two flat rows, and red fleshy
// cups (arils), open at their free end, each showing the dark seed that it does not enclose.
class YewDrawing {
 public:
  static void paint(QPainter& painter);

 private:
  static void paintNeedleRows(QPainter& painter, const QPainterPath& spine, qreal from, int pairs,
                              unsigned seed);
  static void paintNeedle(QPainter& painter, QPointF base, qreal angle, qreal length,
                          bool underside);
  static void paintAril(QPainter& painter, QPointF joint, qreal angle);
};

}  // namespace sylvenor::draw
