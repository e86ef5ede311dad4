#pragma once

#include <QPainterPath>
#include <QPointF>

#include "LowPlantKit.h"

class QPainter;

namespace sylvenor::draw {

// Laitue de mer: thin, translucent, bright green sheets with ruffled edges and a few holes,
// rising from a tiny holdfast on a pebble. No stem, no leaf, no vein.
class SeaLettuceDrawing {
 public:
  static void paint(QPainter& painter);

 private:
  struct Sheet {
    QPointF centre;
    qreal radius;
    qreal stretch;  // wider than tall when above 1
    std::uint32_t seed;
    int alpha;
  };

  static QPainterPath outline(const Sheet& sheet);
  static QPainterPath withHoles(const QPainterPath& outline, const Sheet& sheet);
  static void paintSheet(QPainter& painter, const Sheet& sheet, bool detailed);
  static void paintFolds(QPainter& painter, const QPainterPath& outline, const Sheet& sheet);
  static void paintGrain(QPainter& painter, const QPainterPath& outline, const Sheet& sheet);
  static void paintHoldfast(QPainter& painter);
};

}  // namespace sylvenor::draw
