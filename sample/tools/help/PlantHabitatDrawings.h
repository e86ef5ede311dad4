#pragma once

#include <QPointF>

class QPainter;
class QPainterPath;

namespace sylvenor::draw {

// The last questions of the plant key: roots or tiny hairs, in the water or out of it.
class PlantHabitatDrawings {
 public:
  static void roots(QPainter& painter);
  static void noRoots(QPainter& painter);
  static void aquatic(QPainter& painter);
  static void notAquatic(QPainter& painter);

 private:
  static void paintRoot(QPainter& painter, const QPainterPath& line, qreal width);
  static void paintWaterDrop(QPainter& painter, QPointF tip, qreal size);
  static void paintTuft(QPainter& painter);
  static void paintRhizoidCloseUp(QPainter& painter);
  static void paintWater(QPainter& painter);
  static void paintSeaweed(QPainter& painter);
  static void paintTrunk(QPainter& painter);
  static void paintSun(QPainter& painter, QPointF centre);
};

}  // namespace sylvenor::draw
