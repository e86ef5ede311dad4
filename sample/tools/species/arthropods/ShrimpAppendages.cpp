#include "ShrimpAppendages.h"

#include <QPainter>
#include <cmath>

#include "BrownShrimp.h"
#include "PathKit.h"

namespace sylvenor::draw::arthropods {

namespace {

const QColor kLimb(204, 194, 172, 235);
const QColor kFarLimb(214, 208, 194, 200);
const QPointF kFarShift(16, -8);
constexpr int kAntennaArticles = 80;

QPainterPath antennaCurve(QPointF shift) {
  QPainterPath curve(QPointF(826, 360) + shift);
  curve.cubicTo(QPointF(930, 330) + shift, QPointF(940, 220) + shift * 2,
                QPointF(790, 186) + shift * 2);
  curve.cubicTo(QPointF(650, 160) + shift * 2, QPointF(480, 196) + shift * 2,
                QPointF(320, 262) + shift * 2);
  return curve;
}

}  // namespace

std::vector<JointedLimb> ShrimpAppendages::walkingLegs(QPointF shift) {
  const auto moved = [&](std::vector<QPointF> points) {
    for (QPointF& p : points) p += shift;
    return points;
  };
  return {
      // The stout first pair, reaching forward under the head.
      {moved({{736, 386}, {756, 414}, {796, 432}, {852, 426}}), {15, 13, 12, 17}},
      // The slender second and third pairs, then the longer last two, all bent at the knee.
      {moved({{706, 392}, {722, 420}, {742, 446}, {742, 472}, {748, 490}}), {8, 7, 6, 5, 3}},
      {moved({{674, 396}, {684, 424}, {700, 448}, {698, 472}, {702, 490}}), {8, 7, 6, 5, 3}},
      {moved({{636, 398}, {640, 428}, {652, 454}, {634, 474}, {624, 492}}), {11, 10, 9, 7, 4}},
      {moved({{598, 398}, {600, 428}, {608, 455}, {588, 475}, {574, 492}}), {11, 10, 9, 7, 4}},
  };
}

std::vector<JointedLimb> ShrimpAppendages::swimmingLegs(const BodyAxis& tail, QPointF shift) {
  std::vector<JointedLimb> legs;
  for (int segment = 0; segment < 5; ++segment) {
    const qreal t =
        (BrownShrimp::segmentStart(segment) + BrownShrimp::segmentStart(segment + 1)) / 2;
    const QPointF base = tail.at(t, -BrownShrimp::bellyDepth(t) - 4) + shift;
    const qreal size = 1.0 - segment * 0.1;
    legs.push_back({{base, base + QPointF(8, 18) * size, base + QPointF(14, 34) * size,
                     base + QPointF(24, 46) * size},
                    {9, 8, 6, 3}});
  }
  return legs;
}

QPainterPath ShrimpAppendages::silhouette(const BodyAxis& tail) {
  QPainterPath shape;
  shape.setFillRule(Qt::WindingFill);
  for (const JointedLimb& leg : walkingLegs({})) shape.addPath(leg.silhouette());
  for (const JointedLimb& leg : swimmingLegs(tail, {})) shape.addPath(leg.silhouette());
  shape.addPath(fanBlade(tail, -32, 28));
  shape.addPath(fanBlade(tail, 30, 26));
  return shape;
}

void ShrimpAppendages::paintLimbs(QPainter& painter, const BodyAxis& tail, QPointF shift,
                                  const QColor& colour) {
  const LimbStyle style{.fill = colour, .outline = colour.darker(170), .outlineWidth = 1.2};
  const std::vector<JointedLimb> legs = walkingLegs(shift);
  for (const JointedLimb& leg : legs) leg.paint(painter, style);
  paintHook(painter, legs.front(), colour);
  for (const JointedLimb& leg : swimmingLegs(tail, shift)) {
    leg.paint(painter, style);
    // Each swimming leg ends in two small fringed blades.
    const QPointF tip = leg.joints().back();
    const QPointF fork = leg.joints()[2];
    for (const QPointF& spread : {QPointF(18, 4), QPointF(6, 16)}) {
      const QPainterPath blade = PathKit::leaf(fork, tip + spread, 0.22);
      painter.fillPath(blade, colour);
      painter.strokePath(blade, QPen(colour.darker(170), 1.0));
    }
  }
}

void ShrimpAppendages::paintHook(QPainter& painter, const JointedLimb& firstLeg,
                                 const QColor& colour) {
  // The last joint folds back along the broad hand like the blade of a penknife.
  const QPointF tip = firstLeg.joints().back();
  QPainterPath hook(tip + QPointF(4, 2));
  hook.cubicTo(tip + QPointF(12, 10), tip + QPointF(-10, 14), tip + QPointF(-34, 6));
  painter.strokePath(hook, QPen(colour.darker(185), 4.5, Qt::SolidLine, Qt::RoundCap));
  painter.strokePath(hook, QPen(colour.darker(115), 2.2, Qt::SolidLine, Qt::RoundCap));
}

void ShrimpAppendages::paintFeelers(QPainter& painter, QPointF shift, const QColor& colour) {
  const LimbStyle style{.fill = colour, .outline = colour.darker(170), .outlineWidth = 0.9};
  JointedLimb({QPointF(786, 372) + shift, QPointF(806, 366) + shift, QPointF(826, 360) + shift},
              {10, 9, 7})
      .paint(painter, style);
  JointedLimb::along(antennaCurve(shift), kAntennaArticles, 5, 1.6).paint(painter, style);
  // The antennule: a short stalk that splits into two short feelers.
  const QPointF fork = QPointF(848, 322) + shift;
  JointedLimb({QPointF(798, 338) + shift, QPointF(822, 330) + shift, fork}, {11, 10, 8})
      .paint(painter, style);
  QPainterPath upper(fork);
  upper.quadTo(fork + QPointF(34, -20), fork + QPointF(74, -30));
  QPainterPath lower(fork);
  lower.quadTo(fork + QPointF(34, -2), fork + QPointF(66, -6));
  JointedLimb::along(upper, 14, 5, 2).paint(painter, style);
  JointedLimb::along(lower, 12, 5, 2).paint(painter, style);
}

void ShrimpAppendages::paintFarSide(QPainter& painter, const BodyAxis& tail) {
  paintFeelers(painter, kFarShift, kFarLimb);
  paintLimbs(painter, tail, kFarShift, kFarLimb);
}

void ShrimpAppendages::paintNearSide(QPainter& painter, const BodyAxis& tail) {
  paintLimbs(painter, tail, {}, kLimb);
}

QPainterPath ShrimpAppendages::fanBlade(const BodyAxis& tail, qreal drop, qreal reach) {
  const QPointF tip = tail.point(1.0) + tail.tangent(1.0) * reach + tail.normal(1.0) * drop;
  return PathKit::leaf(tail.at(0.8, 0), tip, 0.42);
}

void ShrimpAppendages::paintTailFan(QPainter& painter, const BodyAxis& tail) {
  // Two blades on each side of the tail spine, spread like a fan.
  const QColor blade(214, 204, 182, 225);
  for (const auto& [drop, reach] : {std::pair{30.0, 26.0}, std::pair{12.0, 38.0},
                                    std::pair{-12.0, 40.0}, std::pair{-32.0, 28.0}}) {
    const QPainterPath shape = fanBlade(tail, drop, reach);
    painter.fillPath(shape, blade);
    painter.strokePath(shape, QPen(QColor(110, 96, 78), 1.6));
  }
  const QPainterPath spine = tail.band(0.78, 1.0, [](qreal t) { return 14 * (1 - t) / 0.22 + 1; });
  painter.fillPath(spine, QColor(196, 186, 164));
  painter.strokePath(spine, QPen(QColor(110, 96, 78), 1.4));
}

void ShrimpAppendages::paintHeadFront(QPainter& painter) {
  // The flat antennal scale, with a spine at its outer corner.
  const QPainterPath scale = PathKit::leaf(QPointF(772, 364), QPointF(884, 340), 0.3);
  painter.fillPath(scale, QColor(212, 204, 184, 235));
  painter.strokePath(scale, QPen(QColor(120, 108, 88), 1.4));
  painter.setPen(QPen(QColor(120, 108, 88), 2.0, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(868, 352), QPointF(892, 346));
  paintFeelers(painter, {}, kLimb);
}

}  // namespace sylvenor::draw::arthropods
