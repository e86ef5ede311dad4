#include "LowPlantKit.h"

#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace sylvenor::draw {

bool LowPlantKit::chance(Random& random, qreal probability) {
  return uniform(random, 0, 1) < probability;
}

QColor LowPlantKit::mix(const QColor& from, const QColor& to, qreal amount) {
  const qreal keep = 1 - amount;
  return QColor::fromRgbF(float(from.redF() * keep + to.redF() * amount),
                          float(from.greenF() * keep + to.greenF() * amount),
                          float(from.blueF() * keep + to.blueF() * amount),
                          float(from.alphaF() * keep + to.alphaF() * amount));
}

QPainterPath LowPlantKit::blob(QPointF centre, qreal radiusX, qreal radiusY, qreal roughness,
                               int points, Random& random) {
  QVector<QPointF> outline;
  for (int i = 0; i < points; ++i) {
    const qreal angle = 360.0 * i / points;
    const qreal scale = 1 + uniform(random, -roughness, roughness);
    const QPointF unit = polar(QPointF(), 1, angle);
    outline << centre + QPointF(unit.x() * radiusX * scale, unit.y() * radiusY * scale);
  }
  return smoothClosed(outline);
}

QPointF LowPlantKit::normalAt(const QVector<QPointF>& spine, int index) {
  const int last = int(spine.size()) - 1;
  const QLineF tangent(spine[qMax(index - 1, 0)], spine[qMin(index + 1, last)]);
  const qreal length = qMax(tangent.length(), 1e-6);
  return QPointF(-tangent.dy() / length, tangent.dx() / length);
}

QPainterPath LowPlantKit::ribbon(const QVector<QPointF>& spine, const WidthProfile& profile) {
  QPainterPath path;
  const int count = int(spine.size());
  if (count < 2) return path;
  QVector<QPointF> left;
  QVector<QPointF> right;
  for (int i = 0; i < count; ++i) {
    const QPointF offset = normalAt(spine, i) * (profile(qreal(i) / (count - 1)) / 2);
    left << spine[i] + offset;
    right.prepend(spine[i] - offset);
  }
  path.moveTo(left.first());
  appendSmooth(path, left);
  path.lineTo(right.first());
  appendSmooth(path, right);
  path.closeSubpath();
  return path;
}

QVector<QPointF> LowPlantKit::curve(QPointF start, QPointF control, QPointF end, int steps) {
  QVector<QPointF> points;
  for (int i = 0; i <= steps; ++i) {
    const qreal t = qreal(i) / steps;
    const qreal u = 1 - t;
    points << start * (u * u) + control * (2 * u * t) + end * (t * t);
  }
  return points;
}

void LowPlantKit::softShadow(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY,
                             int alpha) {
  fillOval(painter, centre, radiusX, radiusY,
           {{0, QColor(60, 55, 45, alpha)}, {1, QColor(60, 55, 45, 0)}});
}

void LowPlantKit::fillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                               const QColor& outline, qreal width) {
  painter.save();
  painter.setBrush(fill);
  painter.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(path);
  painter.restore();
}

void LowPlantKit::slab(QPainter& painter, const QPainterPath& outline, const Slab& slab,
                       const Texture& texture) {
  const QRectF box = outline.boundingRect();
  softShadow(painter, box.center() + QPointF(slab.shadowShift, box.height() * slab.shadowDrop),
             box.width() * 0.55, box.height() * 0.12, slab.shadowAlpha);
  fillOutlined(painter, outline.translated(slab.sideOffset), slab.side, slab.sideEdge,
               slab.sideEdgeWidth);
  QLinearGradient light(box.topLeft(), box.bottomRight());
  light.setColorAt(0, slab.lit);
  light.setColorAt(1, slab.shaded);
  fillOutlined(painter, outline, light, slab.edge, slab.edgeWidth);
  painter.save();
  painter.setClipPath(outline);
  texture(painter, box);
  painter.restore();
}

void LowPlantKit::pebble(QPainter& painter, const QPainterPath& outline, const QColor& colour,
                         std::uint32_t seed) {
  const QRectF box = outline.boundingRect();
  softShadow(painter, QPointF(box.center().x() + box.width() * 0.05, box.bottom() - 4),
             box.width() * 0.58, box.height() * 0.22, 90);
  QRadialGradient light(box.left() + box.width() * 0.35, box.top() + box.height() * 0.3,
                        box.width() * 0.75);
  light.setColorAt(0, colour.lighter(125));
  light.setColorAt(0.6, colour);
  light.setColorAt(1, colour.darker(150));
  fillOutlined(painter, outline, light, colour.darker(190), 1.6);
  painter.save();
  painter.setClipPath(outline);
  painter.setPen(Qt::NoPen);
  Random random(seed);
  const int speckles = int(box.width() * box.height() / 120);
  for (int i = 0; i < speckles; ++i) {
    const QPointF at = pointIn(random, box);
    const bool pale = chance(random, 0.5);
    painter.setBrush(pale ? QColor(255, 255, 250, 70) : QColor(40, 35, 30, 60));
    painter.drawEllipse(at, uniform(random, 0.6, 1.8), uniform(random, 0.6, 1.5));
  }
  painter.restore();
}

void LowPlantKit::rhizoids(QPainter& painter, QPointF base, qreal spread, qreal length, int count,
                           Random& random) {
  for (int i = 0; i < count; ++i) {
    const qreal along = count > 1 ? qreal(i) / (count - 1) - 0.5 : 0;
    const QPointF start = base + QPointF(along * spread + uniform(random, -2, 2), 0);
    const qreal degrees = 90 + along * 50 + uniform(random, -18, 18);
    rhizoidHair(painter, start, degrees, length * uniform(random, 0.55, 1.05),
                uniform(random, 1.1, 1.7), 2, random);
  }
}

void LowPlantKit::rhizoidHair(QPainter& painter, QPointF start, qreal degrees, qreal length,
                              qreal width, int depth, Random& random) {
  // Each hair wanders a little and forks like a thread, never thickening as a root does.
  QVector<QPointF> points{start};
  const int steps = 9;
  qreal heading = degrees;
  for (int i = 1; i <= steps; ++i) {
    heading += uniform(random, -14, 14);
    points << polar(points.last(), length / steps, heading);
    if (depth > 0 && i > 2 && i < steps - 1 && chance(random, 0.22)) {
      const qreal side = chance(random, 0.5) ? 1 : -1;
      rhizoidHair(painter, points.last(), heading + side * uniform(random, 20, 45),
                  length * (1 - qreal(i) / steps) * uniform(random, 0.6, 1.0), width * 0.7,
                  depth - 1, random);
    }
  }
  outline(painter, smoothOpen(points), QColor(112, 70, 38, 215), width);
}

}  // namespace sylvenor::draw
