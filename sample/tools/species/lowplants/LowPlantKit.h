#pragma once

#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QVector>
#include <cstdint>
#include <functional>

#include "DrawingKit.h"

class QPainter;

namespace sylvenor::draw {

// Shared brushes of the mosses, seaweeds and lichens, on top of every family's helpers: organic
// blobs, tapered bands along a spine, pebbles and rhizoid hairs.
class LowPlantKit : public DrawingKit {
 public:
  using WidthProfile = std::function<qreal(qreal)>;

  static bool chance(Random& random, qreal probability);
  static QColor mix(const QColor& from, const QColor& to, qreal amount);

  static QPainterPath blob(QPointF centre, qreal radiusX, qreal radiusY, qreal roughness,
                           int points, Random& random);
  // A band along a spine; profile(t) gives its width from the start (0) to the end (1).
  static QPainterPath ribbon(const QVector<QPointF>& spine, const WidthProfile& profile);
  // Points along a quadratic Bézier, to serve as a spine.
  static QVector<QPointF> curve(QPointF start, QPointF control, QPointF end, int steps);

  static void softShadow(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY,
                         int alpha);
  static void fillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                           const QColor& outline, qreal width);
  // A flat piece of support seen from above: its shadow, its broken side showing below its face
  // (`sideOffset` lower), and the face lit from the upper left.
  struct Slab {
    qreal shadowShift;  // right of the centre
    qreal shadowDrop;   // below the centre, as a share of the height
    int shadowAlpha;
    QPointF sideOffset;
    QColor side;
    QColor sideEdge;
    qreal sideEdgeWidth;
    QColor lit;
    QColor shaded;
    QColor edge;
    qreal edgeWidth;
  };
  using Texture = std::function<void(QPainter& painter, const QRectF& box)>;
  // The texture is clipped to the face; `box` bounds the outline.
  static void slab(QPainter& painter, const QPainterPath& outline, const Slab& slab,
                   const Texture& texture);
  static void pebble(QPainter& painter, const QPainterPath& outline, const QColor& colour,
                     std::uint32_t seed);
  // Fine brown hairs spreading below a base line: what anchors a moss instead of roots.
  static void rhizoids(QPainter& painter, QPointF base, qreal spread, qreal length, int count,
                       Random& random);

 private:
  static QPointF normalAt(const QVector<QPointF>& spine, int index);
  static void rhizoidHair(QPainter& painter, QPointF start, qreal degrees, qreal length,
                          qreal width, int depth, Random& random);
};

}  // namespace sylvenor::draw
