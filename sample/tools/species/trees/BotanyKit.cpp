#include "BotanyKit.h"

#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

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

bool BotanyKit::detailed(const QPainter& painter) {
  return painter.device() && painter.device()->width() > 1000;
}

qreal BotanyKit::uniform(Random& random, qreal low, qreal high) {
  return std::uniform_real_distribution<qreal>(low, high)(random);
}

QColor BotanyKit::varied(const QColor& colour, Random& random, int amount) {
  const int shift = std::uniform_int_distribution<int>(-amount, amount)(random);
  return QColor(std::clamp(colour.red() + shift, 0, 255),
                std::clamp(colour.green() + shift, 0, 255),
                std::clamp(colour.blue() + shift / 2, 0, 255), colour.alpha());
}

QColor BotanyKit::mixed(const QColor& a, const QColor& b, qreal towardB) {
  const qreal t = std::clamp(towardB, 0.0, 1.0);
  return QColor::fromRgbF(
      a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
      a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QPointF BotanyKit::polar(qreal degrees, qreal length) {
  const qreal radians = degrees * kPi / 180;
  return {std::cos(radians) * length, std::sin(radians) * length};
}

qreal BotanyKit::angleOf(QPointF vector) { return std::atan2(vector.y(), vector.x()) * 180 / kPi; }

QPointF BotanyKit::tangentAt(const QPainterPath& spine, qreal percent) {
  const qreal before = std::max(0.0, percent - 0.004);
  const qreal after = std::min(1.0, percent + 0.004);
  const QPointF delta = spine.pointAtPercent(after) - spine.pointAtPercent(before);
  const qreal length = lengthOf(delta);
  return length > 0 ? delta / length : QPointF(1, 0);
}

QPointF BotanyKit::normalAt(const QPainterPath& spine, qreal percent) {
  const QPointF tangent = tangentAt(spine, percent);
  return {-tangent.y(), tangent.x()};
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

QPainterPath BotanyKit::through(const QPolygonF& points) {
  QPainterPath path(points.value(0));
  for (int i = 0; i + 1 < points.size(); ++i) {
    const QPointF before = points.value(std::max(0, i - 1));
    const QPointF after = points.value(std::min(int(points.size()) - 1, i + 2));
    path.cubicTo(points[i] + (points[i + 1] - before) / 6, points[i + 1] - (after - points[i]) / 6,
                 points[i + 1]);
  }
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
  return through(points);
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
  outline(painter, body, edge, std::max(0.6, startWidth * 0.05));
}

void BotanyKit::paintOrgan(QPainter& painter, const QPainterPath& shape, const QColor& colour,
                           qreal outlineWidth) {
  const QRectF bounds = shape.boundingRect();
  QLinearGradient gradient(bounds.topLeft(), bounds.bottomRight());
  gradient.setColorAt(0, colour.lighter(122));
  gradient.setColorAt(0.55, colour);
  gradient.setColorAt(1, colour.darker(135));
  painter.fillPath(shape, gradient);
  if (outlineWidth > 0) outline(painter, shape, colour.darker(175), outlineWidth);
}

void BotanyKit::outline(QPainter& painter, const QPainterPath& shape, const QColor& colour,
                        qreal width) {
  painter.save();
  painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(shape);
  painter.restore();
}

void BotanyKit::line(QPainter& painter, const QPainterPath& path, const QColor& colour,
                     qreal width) {
  outline(painter, path, colour, width);
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
