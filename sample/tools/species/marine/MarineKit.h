#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <functional>
#include <random>
#include <vector>

class QPainter;

namespace sylvenor::draw {

// Shapes and textures shared by the sea and soft-bodied animals: tapering limbs, smooth outlines
// through a few points, soft shadows and the bare rock some of them sit on.
class MarineKit {
 public:
  using WidthProfile = std::function<qreal(qreal)>;

  // The magnifier's picture is larger than the canvas: it may show finer detail.
  static bool isEnlarged(const QPainter& painter);
  // Portable: std::uniform_real_distribution differs between standard libraries.
  static qreal uniform(std::mt19937& random, qreal low, qreal high);
  static QPointF polar(QPointF centre, qreal radius, qreal degrees);
  static QColor blend(const QColor& from, const QColor& to, qreal amount);
  static QColor withAlpha(QColor colour, int alpha);

  static QPainterPath smoothClosed(const std::vector<QPointF>& points);
  static QPainterPath smoothOpen(const std::vector<QPointF>& points);
  // The outline of a limb drawn along a centre line, rounded at both ends.
  static QPainterPath taper(const QPainterPath& centreLine, qreal startWidth, qreal endWidth);
  static QPainterPath taper(const QPainterPath& centreLine, const WidthProfile& widthAt);
  // A straight spine or bristle: cheaper than taper() when there are hundreds.
  static QPainterPath spindle(QPointF base, QPointF tip, qreal baseWidth, qreal tipWidth);

  static void softShadow(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY,
                         int alpha);
  static void outline(QPainter& painter, const QPainterPath& path, const QColor& colour,
                      qreal width);
  static void speckle(QPainter& painter, const QPainterPath& area, int count, qreal radius,
                      const QColor& colour, unsigned seed);

  static QPainterPath rock(QPointF centre, qreal radiusX, qreal radiusY, unsigned seed);
  static void paintRock(QPainter& painter, const QPainterPath& rock, unsigned seed);
};

}  // namespace sylvenor::draw
