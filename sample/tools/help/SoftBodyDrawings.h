#pragma once

#include <QPainterPath>

class QPainter;

namespace sylvenor::draw {

// The soft-bodied animals of the invertebrate key: with or without a shell, with or without
// chalky plates and spines.
class SoftBodyDrawings {
 public:
  static void shell(QPainter& painter);
  static void noShell(QPainter& painter);
  static void platesAndSpines(QPainter& painter);
  static void noPlates(QPainter& painter);

 private:
  static void paintSnail(QPainter& painter);
  static void paintSnailShell(QPainter& painter);
  static void paintCuttlefish(QPainter& painter);
  static void paintWorm(QPainter& painter);
  static QPainterPath part(const QPainterPath& path, qreal from, qreal to);
  static void paintPlates(QPainter& painter);
  static void paintSpine(QPainter& painter, qreal degrees, qreal length);
  static void paintJelly(QPainter& painter);
  static void paintJellyTentacles(QPainter& painter);
};

}  // namespace sylvenor::draw
