#include "LowPlantKit.h"

#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "DrawingCatalog.h"

namespace sylvenor::draw {

bool LowPlantKit::detailed(const QPainter& painter) {
  return painter.device() && painter.device()->width() > DrawingCatalog::kCanvasWidth;
}

qreal LowPlantKit::uniform(Random& random, qreal low, qreal high) {
  const qreal unit = qreal(random()) / 4294967296.0;
  return low + (high - low) * unit;
}

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

QColor LowPlantKit::withAlpha(QColor colour, int alpha) {
  colour.setAlpha(alpha);
  return colour;
}

QPointF LowPlantKit::polar(QPointF centre, qreal radius, qreal degrees) {
  const qreal angle = qDegreesToRadians(degrees);
  return centre + QPointF(radius * qCos(angle), radius * qSin(angle));
}

void LowPlantKit::appendSmooth(QPainterPath& path, const QVector<QPointF>& points) {
  // Catmull-Rom through the points, written as cubic Béziers.
  const int count = int(points.size());
  for (int i = 0; i + 1 < count; ++i) {
    const QPointF before = points[qMax(i - 1, 0)];
    const QPointF from = points[i];
    const QPointF to = points[i + 1];
    const QPointF after = points[qMin(i + 2, count - 1)];
    path.cubicTo(from + (to - before) / 6, to - (after - from) / 6, to);
  }
}

QPainterPath LowPlantKit::smoothOpen(const QVector<QPointF>& points) {
  QPainterPath path;
  if (points.isEmpty()) return path;
  path.moveTo(points.first());
  appendSmooth(path, points);
  return path;
}

QPainterPath LowPlantKit::smoothClosed(const QVector<QPointF>& points) {
  QPainterPath path;
  const int count = int(points.size());
  if (count < 3) return path;
  path.moveTo(points[0]);
  for (int i = 0; i < count; ++i) {
    const QPointF before = points[(i + count - 1) % count];
    const QPointF from = points[i];
    const QPointF to = points[(i + 1) % count];
    const QPointF after = points[(i + 2) % count];
    path.cubicTo(from + (to - before) / 6, to - (after - from) / 6, to);
  }
  path.closeSubpath();
  return path;
}

QPainterPath LowPlantKit::ellipseOf(QPointF centre, qreal radiusX, qreal radiusY) {
  QPainterPath path;
  path.addEllipse(centre, radiusX, radiusY);
  return path;
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
  painter.save();
  painter.translate(centre);
  painter.scale(1, radiusY / radiusX);
  QRadialGradient shade(QPointF(), radiusX);
  shade.setColorAt(0, QColor(60, 55, 45, alpha));
  shade.setColorAt(1, QColor(60, 55, 45, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawEllipse(QPointF(), radiusX, radiusX);
  painter.restore();
}

void LowPlantKit::fillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                               const QColor& outline, qreal width) {
  painter.save();
  painter.setBrush(fill);
  painter.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(path);
  painter.restore();
}

void LowPlantKit::strokeLine(QPainter& painter, const QPainterPath& line, const QColor& colour,
                             qreal width) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(line);
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
    const QPointF at(uniform(random, box.left(), box.right()),
                     uniform(random, box.top(), box.bottom()));
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
  strokeLine(painter, smoothOpen(points), QColor(112, 70, 38, 215), width);
}

}  // namespace sylvenor::draw
