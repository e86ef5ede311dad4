#pragma once

#include <QBrush>
#include <QColor>
#include <QGradient>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <initializer_list>
#include <random>
#include <span>

class QPainter;

namespace sylvenor::draw {

// The small helpers that every family of drawings needs: the test for the enlarged view, a
// portable random draw, colour and vector arithmetic, smooth curves through points, shaded
// ellipses and the round-ended outline stroke. A family's own kit adds what only its organisms
// need.
class DrawingKit {
 public:
  using Random = std::mt19937;

  // The magnifier's picture is larger than the canvas: it may show finer detail.
  static bool isEnlarged(const QPainter& painter);
  // Portable across standard libraries, unlike std::uniform_real_distribution.
  static qreal uniform(Random& random, qreal low, qreal high);
  static QPointF pointIn(Random& random, const QRectF& box);
  static QColor withAlpha(QColor colour, int alpha);
  // From `from` (amount 0) to `to` (amount 1), the alpha included.
  static QColor blend(const QColor& from, const QColor& to, qreal amount);
  // Angles are screen angles in degrees: 0 points right, 90 points down.
  static QPointF polar(QPointF centre, qreal radius, qreal degrees);
  // The vector scaled to length 1; a null vector gives (1, 0) rather than a division by zero.
  static QPointF unit(QPointF vector);

  // Catmull-Rom curves through every point, written as cubic Béziers; a closed curve needs three
  // points at least, an open one one, or the path is empty.
  static QPainterPath smoothOpen(std::span<const QPointF> points);
  static QPainterPath smoothOpen(std::initializer_list<QPointF> points) {
    return smoothOpen(std::span(points.begin(), points.size()));
  }
  static QPainterPath smoothClosed(std::span<const QPointF> points);
  static QPainterPath smoothClosed(std::initializer_list<QPointF> points) {
    return smoothClosed(std::span(points.begin(), points.size()));
  }
  // The same open curve, continued from the current end of `path`.
  static void appendSmooth(QPainterPath& path, std::span<const QPointF> points);
  // The round end of a tube: a half circle of `radius` from the current end of `path`, on one
  // side of `end`, round to the other side. `forward` is the unit direction the end faces.
  static void appendRoundEnd(QPainterPath& path, QPointF end, QPointF forward, qreal radius);

  // An ellipse turned by `degrees` about its centre; a gradient in `fill` is laid out on the unit
  // circle, so that it stretches with the ellipse.
  static void fillEllipse(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY,
                          qreal degrees, const QBrush& fill);
  // An upright ellipse shaded by `fade`, a radial gradient from its centre (0) to its rim (1):
  // the soft shadow of something lying on the ground.
  static void fillOval(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY,
                       const QGradientStops& fade);
  // A line or an outline with round caps and joins, filling nothing.
  static void outline(QPainter& painter, const QPainterPath& path, const QColor& colour,
                      qreal width);
};

}  // namespace sylvenor::draw
