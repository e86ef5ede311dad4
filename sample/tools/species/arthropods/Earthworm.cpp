#include "Earthworm.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "Blend.h"
#include "RingedBody.h"

namespace sylvenor::draw::arthropods {

namespace {

const QColor kFront(122, 44, 58);
const QColor kMiddle(184, 96, 96);
const QColor kTail(204, 140, 128);
const QColor kSaddle(224, 142, 100);

constexpr qreal kSaddleStart = 0.25;
constexpr qreal kSaddleEnd = 0.31;
constexpr int kRings = 150;

qreal halfWidth(qreal t) {
  qreal w =
      23 + 3 * std::sin(std::min(t / 0.3, 1.0) * std::numbers::pi / 2) - 4 * std::max(0.0, t - 0.4);
  // The tail is flattened: wider, like a small paddle.
  if (t > 0.86) w += 4 * (t - 0.86) / 0.14;
  return std::max(1.5, w * Blend::roundedEnd(t, 0.035) * Blend::roundedEnd(1 - t, 0.02));
}

QColor colour(qreal t) {
  if (t < kSaddleStart) return Blend::colours(kFront, kMiddle, t / kSaddleStart);
  return Blend::colours(kMiddle, kTail, (t - kSaddleStart) / (1 - kSaddleStart));
}

BodyAxis midline() {
  QPainterPath path(QPointF(842, 226));
  path.cubicTo(QPointF(700, 120), QPointF(480, 140), QPointF(488, 310));
  path.cubicTo(QPointF(496, 480), QPointF(380, 690), QPointF(158, 540));
  return BodyAxis(path);
}

void paintSaddle(QPainter& painter, const BodyAxis& axis) {
  // The saddle stands a little proud of the body and its rings are barely marked.
  const RingedBody saddle(axis, [](qreal t) {
    const qreal u = (t - kSaddleStart) / (kSaddleEnd - kSaddleStart);
    return halfWidth(t) + 3.5 * std::sqrt(std::max(0.0, 1 - std::pow(2 * u - 1, 8)));
  });
  saddle.paintFlesh(
      painter, [](qreal) { return kSaddle; }, kSaddleStart, kSaddleEnd, 40);
  saddle.paintRings(painter, 6, kSaddleStart, kSaddleEnd, 40);
  saddle.paintSheen(painter, kSaddleStart + 0.005, kSaddleEnd - 0.005, 70);
  painter.strokePath(saddle.outline(kSaddleStart, kSaddleEnd),
                     QPen(kSaddle.darker(170), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void paintBloodVessel(QPainter& painter, const BodyAxis& axis) {
  // The dorsal blood vessel shows through the thin skin of the front half.
  for (int i = 0; i < 60; ++i) {
    const qreal a = 0.03 + 0.6 * i / 60;
    const qreal b = 0.03 + 0.6 * (i + 1) / 60;
    const int alpha = int(110 * (1 - qreal(i) / 60));
    painter.setPen(QPen(QColor(90, 10, 30, alpha), 3.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(axis.point(a), axis.point(b));
  }
}

}  // namespace

void Earthworm::paint(QPainter& painter) {
  const BodyAxis axis = midline();
  const RingedBody body(axis, &halfWidth);
  body.paintShadow(painter, 12);

  body.paintFlesh(painter, &colour);
  paintBloodVessel(painter, axis);
  body.paintRings(painter, kRings, 0.012, 0.995, 80);
  body.paintSheen(painter, 0.02, 0.97, 90);
  body.paintOutline(painter, kFront.darker(160), 1.5);
  paintSaddle(painter, axis);
}

}  // namespace sylvenor::draw::arthropods
