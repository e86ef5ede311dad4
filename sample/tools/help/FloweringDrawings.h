#pragma once

#include <QPointF>

class QPainter;

namespace sylvenor::draw {

// The first questions of the plant key: flowers or seeds, spores instead, seeds inside a fruit
// or lying bare on the scale of a cone.
class FloweringDrawings {
 public:
  static void flowersOrSeeds(QPainter& painter);
  static void spores(QPainter& painter);
  static void seedsInFruit(QPainter& painter);
  static void nakedSeeds(QPainter& painter);

 private:
  static void paintFloweringStem(QPainter& painter);
  static void paintSeeds(QPainter& painter);
  static void paintSporeLeaf(QPainter& painter);
  static void paintCapsule(QPainter& painter);
  static void paintSporeCloud(QPainter& painter, QPointF origin, QPointF drift, int count);
  static void paintApple(QPainter& painter, QPointF centre, qreal radius);
  static void paintAppleHalf(QPainter& painter, QPointF centre, qreal radius);
  static void paintPip(QPainter& painter, QPointF centre, qreal degrees, qreal length);
  static void paintCone(QPainter& painter);
  static void paintConeScale(QPainter& painter);
  static void paintWingedSeed(QPainter& painter, QPointF seed, QPointF wingTip);
};

}  // namespace sylvenor::draw
