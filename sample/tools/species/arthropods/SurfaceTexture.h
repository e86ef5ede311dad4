#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace sylvenor::draw::arthropods {

// Small touches laid over a filled shape: dots of pigment and the shine of a wet or glossy
// surface. The dots come from a generator with a fixed seed, so every run draws the same picture.
class SurfaceTexture {
 public:
  struct Speckles {
    int count = 100;
    qreal minRadius = 1.0;
    qreal maxRadius = 2.0;
    QColor colour;
    unsigned seed = 1;
  };

  // The colours of a rounded back lit from one side: `lit` at `light`, `colour` at `middle` of
  // the way to `radius`, `edge` beyond.
  struct Dome {
    QPointF light;
    qreal radius;
    QColor lit;
    QColor colour;
    qreal middle;
    QColor edge;
  };

  static void fillDome(QPainter& painter, const QPainterPath& shape, const Dome& dome);
  static void speckle(QPainter& painter, const QPainterPath& area, const Speckles& speckles);
  // Star-shaped pigment cells, as on the translucent skin of a shrimp: dots with fine rays.
  static void pigmentCells(QPainter& painter, const QPainterPath& area, const Speckles& cells);
  // A soft white shine centred on "centre", stretched along "direction".
  static void shine(QPainter& painter, QPointF centre, QPointF direction, qreal length, qreal width,
                    int alpha);
};

}  // namespace sylvenor::draw::arthropods
