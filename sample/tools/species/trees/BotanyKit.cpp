#include "BotanyKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "DrawingKit.h"

namespace sylvenor::draw {

namespace {

constexpr qreal kPi = 3.14159265358979323846;
const QPointF kLight(-0.5, -0.87);  // light comes from the upper left

qreal lengthOf(QPointF vector) { return std::hypot(vector.x(), vector.y()); }

// Round end of a stem: a half circle from its left edge, past its tip, to its right edge.
void addCap(QPainterPath& path, QPointF centre, QPointF forward, qreal radius) {
  const QPointF left(-forward.y(), forward.x());
  for (int i = 1; i < 8; ++i) {
    const qreal angle = kPi * i / 8;
    path.lineTo(centre + left * (radius * std::cos(angle)) + forward * (radius * std::sin(angle)));
  }
}

}  // namespace

qreal BotanyKit::uniform(Random& random, qreal low, qreal high) {
  return std::uniform_real_distribution<qreal>(low, high)(random);
}

QColor BotanyKit::varied(const QColor& colour, Random& random, int amount) {
  const int shift = std::uniform_int_distribution<int>(-amount, amount)(random);
  return QColor(std::clamp(colour.red() + shift, 0, 255),
                std::clamp(colour.green() + shift, 0, 255),
                std::clamp(colour.blue() + shift / 2, 0, 255), colour.alpha());
}

QPointF BotanyKit::polar(qreal degrees, qreal length) {
  const qreal radians = degrees * kPi / 180;
  return {std::cos(radians) * length, std::sin(radians) * length};
}

qreal BotanyKit::angleOf(QPointF vector) { return std::atan2(vector.y(), vector.x()) * 180 / kPi; }

QPointF BotanyKit::tangentAt(const QPainterPath& spine, qreal percent) {
  const qreal before = std::max(0.0, percent - 0.004);
  const qreal after = std::min(1.0, percent + 0.004);
  return DrawingKit::unit(spine.pointAtPercent(after) - spine.pointAtPercent(before));
}

QPointF BotanyKit::normalAt(const QPainterPath& spine, qreal percent) {
  const QPointF tangent = tangentAt(spine, percent);
  return {-tangent.y(), tangent.x()};
}

QTransform BotanyKit::placement(QPointF origin, qreal angle) {
  QTransform placement;
  placement.translate(origin.x(), origin.y());
  placement.rotate(angle);
  return placement;
}

QPainterPath BotanyKit::curve(QPointF from, QPointF control, QPointF to) {
  QPainterPath path(from);
  path.quadTo(control, to);
  return path;
}

QPainterPath BotanyKit::curve(QPointF from, QPointF control1, QPointF control2, QPointF to) {
  QPainterPath path(from);
  path.cubicTo(control1, control2, to);
  return path;
}

QPainterPath BotanyKit::taper(const QPainterPath& spine, qreal startWidth, qreal endWidth,
                              qreal offset, qreal fraction) {
  const int steps = std::clamp(int(spine.length() / 5), 6, 90);
  QPolygonF left;
  QPolygonF right;
  for (int i = 0; i <= steps; ++i) {
    const qreal t = qreal(i) / steps;
    const QPointF normal = normalAt(spine, t);
    const qreal width = startWidth + (endWidth - startWidth) * t;
    const QPointF centre = spine.pointAtPercent(t) + normal * (offset * width);
    left << centre + normal * (fraction * width / 2);
    right << centre - normal * (fraction * width / 2);
  }
  const bool capped = offset == 0 && fraction == 1;
  QPainterPath path;
  path.addPolygon(left);
  if (capped) addCap(path, spine.pointAtPercent(1), tangentAt(spine, 1), endWidth / 2);
  for (auto point = right.crbegin(); point != right.crend(); ++point) path.lineTo(*point);
  if (capped) addCap(path, spine.pointAtPercent(0), -tangentAt(spine, 0), startWidth / 2);
  path.closeSubpath();
  return path;
}

QPainterPath BotanyKit::spindle(QPointF base, QPointF control, QPointF tip, qreal width) {
  const QPointF axis = tip - base;
  const qreal length = lengthOf(axis);
  const QPointF side = length > 0 ? QPointF(-axis.y(), axis.x()) * (width / 2 / length) : QPointF();
  QPainterPath path(base + side);
  path.quadTo(control + side * 1.4, tip);
  path.quadTo(control - side * 1.4, base - side);
  path.closeSubpath();
  return path;
}

QPainterPath BotanyKit::part(const QPainterPath& spine, qreal from, qreal to) {
  QPolygonF points;
  const int steps = 24;
  for (int i = 0; i <= steps; ++i) points << spine.pointAtPercent(from + (to - from) * i / steps);
  return DrawingKit::smoothOpen(points);
}

void BotanyKit::paintStem(QPainter& painter, const QPainterPath& spine, qreal startWidth,
                          qreal endWidth, const QColor& colour) {
  paintStem(painter, spine, startWidth, endWidth, QBrush(colour), colour.darker(190));
}

void BotanyKit::paintStem(QPainter& painter, const QPainterPath& spine, qreal startWidth,
                          qreal endWidth, const QBrush& fill, const QColor& edge) {
  const QPointF normal = normalAt(spine, 0.5);
  const qreal litSide = QPointF::dotProduct(normal, kLight) > 0 ? 1 : -1;
  const QPainterPath body = taper(spine, startWidth, endWidth);
  painter.fillPath(body, fill);
  for (int layer = 0; layer < 3; ++layer) {
    const qreal fraction = 0.5 - layer * 0.13;
    painter.fillPath(taper(spine, startWidth, endWidth, -litSide * (0.5 - fraction / 2), fraction),
                     QColor(0, 0, 0, 30));
    painter.fillPath(
        taper(spine, startWidth, endWidth, litSide * (0.2 + layer * 0.03), fraction * 0.5),
        QColor(255, 255, 255, 26));
  }
  DrawingKit::outline(painter, body, edge, std::max(0.6, startWidth * 0.05));
}

void BotanyKit::paintOrgan(QPainter& painter, const QPainterPath& shape, const QColor& colour,
                           qreal outlineWidth) {
  const QRectF bounds = shape.boundingRect();
  QLinearGradient gradient(bounds.topLeft(), bounds.bottomRight());
  gradient.setColorAt(0, colour.lighter(122));
  gradient.setColorAt(0.55, colour);
  gradient.setColorAt(1, colour.darker(135));
  painter.fillPath(shape, gradient);
  if (outlineWidth > 0) DrawingKit::outline(painter, shape, colour.darker(175), outlineWidth);
}

void BotanyKit::castShadow(QPainter& painter, const QPainterPath& shape, QPointF offset) {
  painter.save();
  painter.translate(offset);
  painter.setBrush(Qt::NoBrush);
  for (int ring = 4; ring >= 1; --ring) {
    painter.setPen(
        QPen(QColor(60, 50, 30, 9), ring * 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(shape);
  }
  painter.fillPath(shape, QColor(60, 50, 30, 30));
  painter.restore();
}

}  // namespace sylvenor::draw
