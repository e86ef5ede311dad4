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

Limb::Limb(const Design& design) {
  joint_ = towards(design.root, design.upperAngle, design.upperLength);
  wrist_ = towards(joint_, design.lowerAngle, design.lowerLength);
  skin_ = taper(design.root, joint_, design.rootWidth, design.jointWidth)
              .united(taper(joint_, wrist_, design.jointWidth, design.wristWidth));
  qreal spread = 1.0;
  for (const Toe& toe : design.toes) spread = std::max(spread, std::abs(toe.angle));
  for (const Toe& toe : design.toes) addToe(toe, design, spread);
}

void Limb::addToe(const Toe& toe, const Design& design, qreal spread) {
  const qreal angle = design.footAngle + toe.angle;
  // The toes leave the palm side by side across its width, each on the side it points to.
  const qreal across = 0.5 * toe.angle / spread;
  const QPointF base = towards(wrist_, design.footAngle + 90, across * design.wristWidth * 0.9);
  const QPointF middle = towards(base, angle, toe.length * 0.55);
  const qreal curl = toe.angle >= 0 ? -kToeCurl : kToeCurl;
  const QPointF tip = towards(middle, angle + curl, toe.length * 0.45);
  const qreal tipWidth = design.toeWidth * (design.tip == Tip::Claw ? 0.55 : 0.8);
  skin_ = skin_.united(taper(base, middle, design.toeWidth * 1.25, design.toeWidth))
              .united(taper(middle, tip, design.toeWidth, tipWidth));
  if (design.tip == Tip::Claw) {
    const QPointF clawTip = towards(tip, angle + 2 * curl, design.toeWidth * 1.8);
    const QPointF side = towards(tip, angle + curl + 90, tipWidth * 0.45);
    const QPointF other = towards(tip, angle + curl - 90, tipWidth * 0.45);
    QPainterPath claw(side);
    claw.quadTo(towards(tip, angle + curl, design.toeWidth * 1.2) + (side - tip) * 0.6, clawTip);
    claw.lineTo(other);
    claw.closeSubpath();
    claws_.addPath(claw);
  } else if (design.tip == Tip::Pad) {
    pads_.addPath(PathKit::circle(tip, design.toeWidth * 1.05));
  }
}

}  // namespace sylvenor::draw
