#include "DrawingKit.h"

#include <QPaintDevice>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "DrawingCatalog.h"

namespace sylvenor::draw {

bool DrawingKit::isEnlarged(const QPainter& painter) {
  return painter.device() && painter.device()->width() > DrawingCatalog::kCanvasWidth;
}

qreal DrawingKit::uniform(Random& random, qreal low, qreal high) {
  return low + (high - low) * (random() / 4294967296.0);
}

QPointF DrawingKit::pointIn(Random& random, const QRectF& box) {
  // The height is drawn first, as the pictures were: the order of a call's arguments is left
  // to the compiler, so it is spelt out.
  const qreal y = uniform(random, box.top(), box.bottom());
  const qreal x = uniform(random, box.left(), box.right());
  return {x, y};
}

QColor DrawingKit::withAlpha(QColor colour, int alpha) {
  colour.setAlpha(std::clamp(alpha, 0, 255));
  return colour;
}

QColor DrawingKit::blend(const QColor& from, const QColor& to, qreal amount) {
  const qreal t = std::clamp(amount, 0.0, 1.0);
  return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * t,
                          from.greenF() + (to.greenF() - from.greenF()) * t,
                          from.blueF() + (to.blueF() - from.blueF()) * t,
                          from.alphaF() + (to.alphaF() - from.alphaF()) * t);
}

QPointF DrawingKit::polar(QPointF centre, qreal radius, qreal degrees) {
  const qreal angle = qDegreesToRadians(degrees);
  return centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
}

QPointF DrawingKit::unit(QPointF vector) {
  const qreal length = std::hypot(vector.x(), vector.y());
  return length > 0 ? vector / length : QPointF(1, 0);
}

void DrawingKit::appendRoundEnd(QPainterPath& path, QPointF end, QPointF forward, qreal radius) {
  constexpr qreal kArc = 0.5523;  // Bézier handle length for a quarter circle
  const QPointF& d = forward;
  const QPointF n(-d.y(), d.x());
  path.cubicTo(end + n * radius + d * radius * kArc, end + d * radius + n * radius * kArc,
               end + d * radius);
  path.cubicTo(end + d * radius - n * radius * kArc, end - n * radius + d * radius * kArc,
               end - n * radius);
}

void DrawingKit::appendSmooth(QPainterPath& path, std::span<const QPointF> points) {
  const int count = int(points.size());
  for (int i = 0; i + 1 < count; ++i) {
    const QPointF& before = points[std::size_t(std::max(i - 1, 0))];
    const QPointF& from = points[std::size_t(i)];
    const QPointF& to = points[std::size_t(i + 1)];
    const QPointF& after = points[std::size_t(std::min(i + 2, count - 1))];
    path.cubicTo(from + (to - before) / 6, to - (after - from) / 6, to);
  }
}

QPainterPath DrawingKit::smoothOpen(std::span<const QPointF> points) {
  QPainterPath path;
  if (points.empty()) return path;
  path.moveTo(points.front());
  appendSmooth(path, points);
  return path;
}

QPainterPath DrawingKit::smoothClosed(std::span<const QPointF> points) {
  QPainterPath path;
  const int count = int(points.size());
  if (count < 3) return path;
  path.moveTo(points.front());
  for (int i = 0; i < count; ++i) {
    const QPointF& before = points[std::size_t((i + count - 1) % count)];
    const QPointF& from = points[std::size_t(i)];
    const QPointF& to = points[std::size_t((i + 1) % count)];
    const QPointF& after = points[std::size_t((i + 2) % count)];
    path.cubicTo(from + (to - before) / 6, to - (after - from) / 6, to);
  }
  path.closeSubpath();
  return path;
}

void DrawingKit::fillEllipse(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY,
                             qreal degrees, const QBrush& fill) {
  painter.save();
  painter.translate(centre);
  painter.rotate(degrees);
  painter.scale(radiusX, radiusY);
  painter.setPen(Qt::NoPen);
  painter.setBrush(fill);
  painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
  painter.restore();
}

void DrawingKit::fillOval(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY,
                          const QGradientStops& fade) {
  painter.save();
  painter.translate(centre);
  painter.scale(1, radiusY / radiusX);
  QRadialGradient shade(QPointF(0, 0), radiusX);
  shade.setStops(fade);
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawEllipse(QPointF(0, 0), radiusX, radiusX);
  painter.restore();
}

void DrawingKit::outline(QPainter& painter, const QPainterPath& path, const QColor& colour,
                         qreal width) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(path);
  painter.restore();
}

}  // namespace sylvenor::draw
