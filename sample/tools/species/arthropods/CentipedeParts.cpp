#include "CentipedeParts.h"

#include <QPainter>

#include "SoftShadow.h"

namespace sylvenor::draw::arthropods {

JointedLimb CentipedeParts::antenna(const BodyAxis& axis, qreal side, const Antenna& antenna) {
  const QPointF base = axis.at(0.0, side * antenna.base.x(), antenna.base.y());
  const QPointF forward = -axis.tangent(0);
  const QPointF outward = axis.normal(0) * side;
  const auto along = [&](QPointF offset) {
    return base + forward * offset.x() + outward * offset.y();
  };
  QPainterPath curve(base);
  curve.cubicTo(along(antenna.control1), along(antenna.control2), along(antenna.tip));
  return JointedLimb::along(curve, antenna.articles, antenna.baseWidth, antenna.tipWidth);
}

void CentipedeParts::paintPoisonClaws(QPainter& painter, const BodyAxis& axis,
                                      const PoisonClaws& claws) {
  const auto at = [&](QPointF offset, qreal side) {
    return axis.at(0.0, side * offset.x(), offset.y());
  };
  for (const qreal side : {-1.0, 1.0}) {
    std::vector<QPointF> joints;
    for (const QPointF& joint : claws.joints) joints.push_back(at(joint, side));
    const JointedLimb claw(joints, claws.widths);
    claw.paint(painter, claws.style);
    QPainterPath curve(joints.back());
    curve.quadTo(at(claws.fangBend, side), at(claws.fangTip, side));
    JointedLimb::along(curve, 3, claws.fangWidth, claws.fangTipWidth)
        .paint(painter, claws.fangStyle);
  }
}

void CentipedeParts::paintLimbs(QPainter& painter, const CentipedeTrunk& trunk,
                                const std::vector<Limbs>& groups) {
  SoftShadow shadow(painter, QPointF(10, 14), 14);
  for (const Limbs& group : groups) {
    for (const JointedLimb& limb : group.limbs) shadow.add(limb.silhouette());
  }
  shadow.add(trunk.silhouette());
  shadow.cast(0.35);
  for (const Limbs& group : groups) {
    for (const JointedLimb& limb : group.limbs) limb.paint(painter, group.style);
  }
}

}  // namespace sylvenor::draw::arthropods
