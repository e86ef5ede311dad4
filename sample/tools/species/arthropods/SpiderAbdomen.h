#pragma once

#include <QPainterPath>

class QPainter;

namespace sylvenor::draw::arthropods {

// The abdomen of the garden spider from above: rounded, with two shoulders, a darker leaf-shaped
// band down the middle and the white cross of dots that names the species.
class SpiderAbdomen {
 public:
  static QPainterPath outline();
  static void paint(QPainter& painter);

 private:
  static QPainterPath folium();
  static void paintCross(QPainter& painter);
  static void paintSpot(QPainter& painter, QPointF centre, qreal rx, qreal ry);
};

}  // namespace sylvenor::draw::arthropods
