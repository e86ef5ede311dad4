#include "RingedBody.h"

#include <QLinearGradient>
#include <QPainter>
#include <utility>

#include "BodyPlates.h"
#include "SoftShadow.h"

namespace sylvenor::draw::arthropods {

RingedBody::RingedBody(const BodyAxis& axis, BodyAxis::Profile halfWidth)
    : axis_(axis), halfWidth_(std::move(halfWidth)) {}

QPainterPath RingedBody::outline(qreal t0, qreal t1) const {
  return axis_.band(t0, t1, halfWidth_, int((t1 - t0) * 200) + 4);
}

void RingedBody::paintShadow(QPainter& painter, qreal blur) const {
  SoftShadow shadow(painter, QPointF(8, 12), blur);
  shadow.add(outline());
  shadow.cast(0.35);
}

void RingedBody::paintFlesh(QPainter& painter, const Colouring& colour, qreal t0, qreal t1,
                            int slices) const {
  const qreal step = (t1 - t0) / slices;
  // A slight overlap hides the seams between slices.
  const qreal overlap = 0.6 / axis_.length();
  for (int i = 0; i < slices; ++i) {
    const qreal a = t0 + i * step;
    const qreal b = std::min(t1, a + step + overlap);
    const qreal middle = (a + b) / 2;
    const QPainterPath slice = axis_.band(a, b, halfWidth_, 2);
    BodyPlates::paint(painter, axis_, slice, middle, halfWidth_(middle), colour(middle));
  }
}

void RingedBody::paintRings(QPainter& painter, int rings, qreal t0, qreal t1, int alpha) const {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  const QPointF glint = axis_.tangent(t0) * 1.6;
  for (int i = 1; i < rings; ++i) {
    const qreal t = t0 + (t1 - t0) * i / rings;
    const qreal w = halfWidth_(t) * 0.96;
    const QPainterPath groove = axis_.ring(t, w, w * 0.12);
    painter.setPen(QPen(QColor(255, 235, 225, alpha / 2), 1.0));
    painter.drawPath(groove.translated(glint));
    painter.setPen(QPen(QColor(40, 10, 10, alpha), 1.1));
    painter.drawPath(groove);
  }
  painter.restore();
}

void RingedBody::paintSheen(QPainter& painter, qreal t0, qreal t1, int alpha) const {
  QPainterPath line;
  for (int i = 0; i <= 80; ++i) {
    const qreal t = t0 + (t1 - t0) * i / 80;
    const QPointF p = axis_.at(t, BodyPlates::litSide(axis_, t) * halfWidth_(t) * 0.45);
    if (i == 0) {
      line.moveTo(p);
    } else {
      line.lineTo(p);
    }
  }
  const qreal width = halfWidth_((t0 + t1) / 2) * 0.3;
  painter.strokePath(line, QPen(QColor(255, 255, 255, alpha / 2), width * 2, Qt::SolidLine,
                                Qt::RoundCap, Qt::RoundJoin));
  painter.strokePath(line, QPen(QColor(255, 255, 255, alpha), width * 0.8, Qt::SolidLine,
                                Qt::RoundCap, Qt::RoundJoin));
}

void RingedBody::paintOutline(QPainter& painter, const QColor& colour, qreal width) const {
  painter.strokePath(outline(), QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

}  // namespace sylvenor::draw::arthropods
