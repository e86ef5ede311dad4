#pragma once

#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QTransform>
#include <random>

class QPainter;

namespace sylvenor::draw {

// Shapes and shading shared by the plant drawings: organs that taper along a curved axis, the
// rounded shading that follows them, and the fixed-seed randomness of their texture. Angles are
// screen angles in degrees: 0 points right, 90 points down.
class BotanyKit {
 public:
  using Random = std::mt19937;

  // Through the standard distribution, unlike DrawingKit::uniform: the plant pictures were drawn
  // with these values.
  static qreal uniform(Random& random, qreal low, qreal high);
  static QColor varied(const QColor& colour, Random& random, int amount);

  static QPointF polar(qreal degrees, qreal length);
  static qreal angleOf(QPointF vector);
  static QPointF normalAt(const QPainterPath& spine, qreal percent);
  static QPointF tangentAt(const QPainterPath& spine, qreal percent);
  // Moves a part drawn around the origin to `origin`, turned by `angle`.
  static QTransform placement(QPointF origin, qreal angle);
  static QPainterPath curve(QPointF from, QPointF control, QPointF to);
  static QPainterPath curve(QPointF from, QPointF control1, QPointF control2, QPointF to);

  // Outline of an organ of varying width along a spine; offset and fraction (of the local
  // width) give a band inside it, used for rounded shading.
  static QPainterPath taper(const QPainterPath& spine, qreal startWidth, qreal endWidth,
                            qreal offset = 0, qreal fraction = 1);
  // Narrow pointed organ (needle, hair, sepal) bent through a control point.
  static QPainterPath spindle(QPointF base, QPointF control, QPointF tip, qreal width);

  // A cylindrical stem or branch: plain colour, lit upper side, shaded lower side, outline.
  static void paintStem(QPainter& painter, const QPainterPath& spine, qreal startWidth,
                        qreal endWidth, const QColor& colour);
  static void paintStem(QPainter& painter, const QPainterPath& spine, qreal startWidth,
                        qreal endWidth, const QBrush& fill, const QColor& edge);
  // The part of a spine between two percentages of its length, as a new spine.
  static QPainterPath part(const QPainterPath& spine, qreal from, qreal to);
  // Flat organ lit from the upper left: gradient from light to dark across its bounds.
  static void paintOrgan(QPainter& painter, const QPainterPath& shape, const QColor& colour,
                         qreal outlineWidth);
  // Soft shadow cast on the background a little below and right of a shape.
  static void castShadow(QPainter& painter, const QPainterPath& shape, QPointF offset);
};

}  // namespace sylvenor::draw
