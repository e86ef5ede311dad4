#include "CrabClaw.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>
#include <numbers>

#include "SurfaceTexture.h"

namespace sylvenor::draw::arthropods {

namespace {

const QColor kClaw(84, 110, 46);
const QColor kFingerTip(48, 34, 22);

constexpr qreal kMiddle = 500;
constexpr qreal kPalm = 84;  // length of the hand from the wrist to the base of the fingers

}  // namespace

CrabClaw::CrabClaw(qreal side)
    : side_(side), arm_({place(604, 314), place(680, 256), place(668, 200)}, {40, 46, 50}) {
  const QPointF wrist = place(668, 200);
  const QPointF fingers = place(592, 150);
  const QPointF d = fingers - wrist;
  handFrame_.translate(wrist.x(), wrist.y());
  handFrame_.rotate(std::atan2(d.y(), d.x()) * 180 / std::numbers::pi);
  handFrame_.scale(1, -side);
}

QPointF CrabClaw::place(qreal x, qreal y) const { return {kMiddle + side_ * (x - kMiddle), y}; }

QPainterPath CrabClaw::hand() const {
  QPainterPath palm(QPointF(-6, 22));
  palm.quadTo(QPointF(kPalm * 0.5, 38), QPointF(kPalm, 34));
  palm.quadTo(QPointF(kPalm + 10, 20), QPointF(kPalm + 6, -4));
  palm.lineTo(QPointF(kPalm + 2, -28));
  palm.quadTo(QPointF(kPalm * 0.5, -34), QPointF(-6, -22));
  palm.quadTo(QPointF(-16, 0), QPointF(-6, 22));
  return handFrame_.map(palm);
}

QPainterPath CrabClaw::movableFinger() const {
  // Hinged at the top corner of the hand, curving down onto the fixed finger, with blunt teeth.
  QPainterPath finger(QPointF(kPalm - 4, 34));
  finger.cubicTo(QPointF(kPalm + 30, 36), QPointF(kPalm + 56, 24), QPointF(kPalm + 66, 2));
  finger.quadTo(QPointF(kPalm + 44, 10), QPointF(kPalm + 36, 12));
  for (int i = 0; i < 3; ++i) {
    const qreal x = kPalm + 30 - i * 10;
    finger.lineTo(QPointF(x, 9));
    finger.lineTo(QPointF(x - 5, 13));
  }
  finger.quadTo(QPointF(kPalm + 6, 14), QPointF(kPalm + 2, 10));
  finger.closeSubpath();
  return handFrame_.map(finger);
}

QPainterPath CrabClaw::fixedFinger() const {
  QPainterPath finger(QPointF(kPalm + 2, 8));
  for (int i = 0; i < 3; ++i) {
    const qreal x = kPalm + 10 + i * 12;
    finger.lineTo(QPointF(x, 6));
    finger.lineTo(QPointF(x + 5, 2));
  }
  finger.quadTo(QPointF(kPalm + 50, 2), QPointF(kPalm + 60, -4));
  finger.cubicTo(QPointF(kPalm + 50, -18), QPointF(kPalm + 24, -28), QPointF(kPalm + 2, -28));
  finger.closeSubpath();
  return handFrame_.map(finger);
}

QPainterPath CrabClaw::silhouette() const {
  QPainterPath shape = arm_.silhouette();
  shape.addPath(hand());
  shape.addPath(movableFinger());
  shape.addPath(fixedFinger());
  return shape;
}

void CrabClaw::paintPart(QPainter& painter, const QPainterPath& shape, const QColor& tip) const {
  const QPointF wrist = handFrame_.map(QPointF(0, 0));
  const QPointF end = handFrame_.map(QPointF(kPalm + 66, 0));
  QLinearGradient along(wrist, end);
  along.setColorAt(0.0, kClaw.lighter(125));
  along.setColorAt(0.55, kClaw);
  along.setColorAt(0.75, kClaw.darker(130));
  along.setColorAt(1.0, tip);
  painter.fillPath(shape, along);
  painter.strokePath(shape,
                     QPen(kClaw.darker(240), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void CrabClaw::paint(QPainter& painter) const {
  arm_.paint(painter, LimbStyle{.fill = kClaw, .outlineWidth = 1.6});
  paintPart(painter, fixedFinger(), kFingerTip);
  paintPart(painter, hand(), kClaw.darker(120));
  paintPart(painter, movableFinger(), kFingerTip);
  // A row of small knobs along the top of the hand, and the shine of the wet shell.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(170, 180, 110, 140));
  for (int i = 0; i < 4; ++i) {
    painter.drawEllipse(handFrame_.map(QPointF(14 + i * 16, 24 - i)), 3.2, 3.2);
  }
  SurfaceTexture::shine(painter, handFrame_.map(QPointF(kPalm * 0.45, 8)),
                        handFrame_.map(QPointF(1, 0)) - handFrame_.map(QPointF(0, 0)), 60, 22, 90);
}

}  // namespace sylvenor::draw::arthropods
