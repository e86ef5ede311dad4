#pragma once

#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QVector>
#include <cstdint>
#include <functional>
#include <random>

class QPainter;

namespace sylvenor::draw {

// Shared brushes of the mosses, seaweeds and lichens: smooth organic outlines drawn through a
// few points, tapered bands along a spine, pebbles and rhizoid hairs.
class LowPlantKit {
 public:
  using Random = std::mt19937;
  using WidthProfile = std::function<qreal(qreal)>;

  // The enlarged view of the magnifier earns finer texture.
  static bool detailed(const QPainter& painter);
  // Portable across standard libraries, unlike std::uniform_real_distribution.
  static qreal uniform(Random& random, qreal low, qreal high);
  static bool chance(Random& random, qreal probability);
  static QColor mix(const QColor& from, const QColor& to, qreal amount);
  static QColor withAlpha(QColor colour, int alpha);
  static QPointF polar(QPointF centre, qreal radius, qreal degrees);

  static QPainterPath smoothClosed(const QVector<QPointF>& points);
  static QPainterPath smoothOpen(const QVector<QPointF>& points);
  static QPainterPath ellipseOf(QPointF centre, qreal radiusX, qreal radiusY);
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
  static void strokeLine(QPainter& painter, const QPainterPath& line, const QColor& colour,
                         qreal width);
  static void pebble(QPainter& painter, const QPainterPath& outline, const QColor& colour,
                     std::uint32_t seed);
  // Fine brown hairs spreading below a base line: what anchors a moss instead of roots.
  static void rhizoids(QPainter& painter, QPointF base, qreal spread, qreal length, int count,
                       Random& random);

 private:
  static void appendSmooth(QPainterPath& path, const QVector<QPointF>& points);
  static QPointF normalAt(const QVector<QPointF>& spine, int index);
  static void rhizoidHair(QPainter& painter, QPointF start, qreal degrees, qreal length,
                          qreal width, int depth, Random& random);
};

}  // namespace sylvenor::draw
