#include "BodyPlates.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace sylvenor::draw::arthropods {

QPainterPath BodyPlates::plate(const BodyAxis& axis, qreal t0, qreal t1,
                               const BodyAxis::Profile& halfWidth, qreal corner) {
  const auto rounded = [&](qreal t) {
    const qreal u = std::abs(2 * (t - t0) / (t1 - t0) - 1);
    const qreal edge = corner > 0 ? std::clamp((u - (1 - corner)) / corner, 0.0, 1.0) : 0.0;
    return halfWidth(t) * std::sqrt(1 - edge * edge * 0.55);
  };
  return axis.band(t0, t1, rounded, 12);
}

qreal BodyPlates::litSide(const BodyAxis& axis, qreal t) {
  const QPointF n = axis.normal(t);
  return -0.6 * n.x() - 0.8 * n.y() >= 0 ? 1.0 : -1.0;
}

void BodyPlates::paint(QPainter& painter, const BodyAxis& axis, const QPainterPath& shape, qreal t,
                       qreal halfWidth, const QColor& fill) {
  const qreal lit = litSide(axis, t);
  QLinearGradient shade(axis.at(t, lit * halfWidth), axis.at(t, -lit * halfWidth));
  shade.setColorAt(0.0, fill.darker(120));
  shade.setColorAt(0.2, fill.lighter(150));
  shade.setColorAt(0.42, fill.lighter(112));
  shade.setColorAt(0.75, fill);
  shade.setColorAt(1.0, fill.darker(190));
  painter.fillPath(shape, shade);
}

void BodyPlates::outline(QPainter& painter, const QPainterPath& shape, const QColor& fill,
                         qreal width) {
  painter.strokePath(shape,
                     QPen(fill.darker(210), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

}  // namespace sylvenor::draw::arthropods
