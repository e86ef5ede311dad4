#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <functional>
#include <vector>

#include "DrawingKit.h"

class QPainter;

namespace sylvenor::draw {

// Shapes and textures shared by the sea and soft-bodied animals, on top of every family's
// helpers: tapering limbs, soft shadows and the bare rock some of them sit on.
class MarineKit : public DrawingKit {
 public:
  using WidthProfile = std::function<qreal(qreal)>;

  // The outline of a limb drawn along a centre line, rounded at both ends.
  static QPainterPath taper(const QPainterPath& centreLine, qreal startWidth, qreal endWidth);
  static QPainterPath taper(const QPainterPath& centreLine, const WidthProfile& widthAt);
  // A straight spine or bristle: cheaper than taper() when there are hundreds.
  static QPainterPath spindle(QPointF base, QPointF tip, qreal baseWidth, qreal tipWidth);
  // The closed polygon through the points, without smoothing.
  static QPainterPath polygon(const std::vector<QPointF>& points);
  // The band between two lines drawn in the same direction.
  static QPainterPath between(const std::vector<QPointF>& upper, const std::vector<QPointF>& lower);

  static void softShadow(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY,
                         int alpha);
  static void speckle(QPainter& painter, const QPainterPath& area, int count, qreal radius,
                      const QColor& colour, unsigned seed);

  static QPainterPath rock(QPointF centre, qreal radiusX, qreal radiusY, unsigned seed);
  static void paintRock(QPainter& painter, const QPainterPath& rock, unsigned seed);
};

}  // namespace sylvenor::draw
