#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QVector>

class QPainter;

namespace sylvenor::draw {

// Lichen géographique on a piece of granite: a crust of bright yellow-green angular patches
// separated by black lines, like a map, with black fruiting dots set in the lines.
class MapLichenDrawing {
 public:
  static void paint(QPainter& painter);

 private:
  struct Thallus {
    QPointF centre;
    qreal radiusX;
    qreal radiusY;
    QPainterPath outline;
    QPainterPath inner;  // inside the black rim
  };

  static QVector<Thallus> thalli();
  static int owner(const QVector<Thallus>& thalli, QPointF point);
  static void paintPatch(QPainter& painter, const QPainterPath& shape, QPointF site, bool detailed);
  static void paintFruit(QPainter& painter, QPointF at, qreal size);
};

}  // namespace sylvenor::draw
