#include "Limb.h"

#include <QLineF>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "PathKit.h"

namespace sylvenor::draw {

namespace {

// Toes curve slightly towards the inner side, as they do when a foot grips the ground.
constexpr qreal kToeCurl = 8.0;

}  // namespace

QPointF Limb::towards(QPointF from, qreal degrees, qreal length) {
  const qreal radians = degrees * M_PI / 180.0;
  return from + QPointF(std::cos(radians), std::sin(radians)) * length;
}

QPainterPath Limb::taper(QPointF from, QPointF to, qreal fromWidth, qreal toWidth) {
  const QLineF axis(from, to);
  if (axis.length() <= 0) return PathKit::circle(from, std::max(fromWidth, toWidth) / 2);
  const QLineF unitNormal = axis.normalVector().unitVector();
  const QPointF n(unitNormal.dx(), unitNormal.dy());
  QPainterPath body;
  body.moveTo(from + n * (fromWidth / 2));
  body.lineTo(to + n * (toWidth / 2));
  body.lineTo(to - n * (toWidth / 2));
  body.lineTo(from - n * (fromWidth / 2));
  body.closeSubpath();
  return body.united(PathKit::circle(from, fromWidth / 2)).united(PathKit::circle(to, toWidth / 2));
}

Limb::Limb(const Spec& spec) {
  joint_ = towards(spec.root, spec.upperAngle, spec.upperLength);
  wrist_ = towards(joint_, spec.lowerAngle, spec.lowerLength);
  skin_ = taper(spec.root, joint_, spec.rootWidth, spec.jointWidth)
              .united(taper(joint_, wrist_, spec.jointWidth, spec.wristWidth));
  qreal spread = 1.0;
  for (const Toe& toe : spec.toes) spread = std::max(spread, std::abs(toe.angle));
  for (const Toe& toe : spec.toes) addToe(toe, spec, spread);
}

void Limb::addToe(const Toe& toe, const Spec& spec, qreal spread) {
  const qreal angle = spec.footAngle + toe.angle;
  // The toes leave the palm side by side across its width, each on the side it points to.
  const qreal across = 0.5 * toe.angle / spread;
  const QPointF base = towards(wrist_, spec.footAngle + 90, across * spec.wristWidth * 0.9);
  const QPointF middle = towards(base, angle, toe.length * 0.55);
  const qreal curl = toe.angle >= 0 ? -kToeCurl : kToeCurl;
  const QPointF tip = towards(middle, angle + curl, toe.length * 0.45);
  const qreal tipWidth = spec.toeWidth * (spec.tip == Tip::Claw ? 0.55 : 0.8);
  skin_ = skin_.united(taper(base, middle, spec.toeWidth * 1.25, spec.toeWidth))
              .united(taper(middle, tip, spec.toeWidth, tipWidth));
  if (spec.tip == Tip::Claw) {
    const QPointF clawTip = towards(tip, angle + 2 * curl, spec.toeWidth * 1.8);
    const QPointF side = towards(tip, angle + curl + 90, tipWidth * 0.45);
    const QPointF other = towards(tip, angle + curl - 90, tipWidth * 0.45);
    QPainterPath claw(side);
    claw.quadTo(towards(tip, angle + curl, spec.toeWidth * 1.2) + (side - tip) * 0.6, clawTip);
    claw.lineTo(other);
    claw.closeSubpath();
    claws_.addPath(claw);
  } else if (spec.tip == Tip::Pad) {
    pads_.addPath(PathKit::circle(tip, spec.toeWidth * 1.05));
  }
}

}  // namespace sylvenor::draw
