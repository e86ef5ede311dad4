#pragma once

#include <QPointF>

class QPainter;

namespace sylvenor::draw {

// The plant key's question on the body of the plant: a stem with leaves, or only a flat blade
// or a crust.
class PlantBodyDrawings {
 public:
  static void stemsAndLeaves(QPainter& painter);
  static void noStemNoLeaf(QPainter& painter);

 private:
  static void paintTinyShoot(QPainter& painter, QPointF base, qreal height, qreal leafLength);
  static void paintBlades(QPainter& painter);
  static void paintCrustedStone(QPainter& painter);
};

}  // namespace sylvenor::draw
