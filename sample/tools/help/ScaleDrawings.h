#pragma once

#include <QPointF>

class QPainter;
class QPainterPath;

namespace sylvenor::draw {

// The two scaly skins of the animal key: scales joined into one skin, and loose scales that
// overlap like roof tiles.
class ScaleDrawings {
 public:
  static void joinedScales(QPainter& painter);
  static void overlappingScales(QPainter& painter);

 private:
  static void paintScaleNet(QPainter& painter, const QPainterPath& patch);
  static void paintFoldedCorner(QPainter& painter, const QPainterPath& flap);
  static void paintTile(QPainter& painter, QPointF centre, qreal radius);
  static void paintEmptyPocket(QPainter& painter, QPointF centre, qreal radius);
};

}  // namespace sylvenor::draw
