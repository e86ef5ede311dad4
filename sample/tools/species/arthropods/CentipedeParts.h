#pragma once

#include <QPointF>
#include <vector>

#include "BodyAxis.h"
#include "CentipedeTrunk.h"
#include "JointedLimb.h"

class QPainter;

namespace sylvenor::draw::arthropods {

// What centipedes share besides their trunk: the antennae and the poison claws laid out from
// the front of the body axis, and the limbs painted over one soft shadow with the trunk.
class CentipedeParts {
 public:
  struct Antenna {
    QPointF base;  // (across, forward) from the front of the axis
    // The curve of the antenna as (forward, outward) offsets from its base.
    QPointF control1;
    QPointF control2;
    QPointF tip;
    int articles;
    qreal baseWidth;
    qreal tipWidth;
  };
  // The claws folded under the head, each ending in a dark fang.
  struct PoisonClaws {
    std::vector<QPointF> joints;  // (across, forward) from the front of the axis, base first
    std::vector<qreal> widths;
    QPointF fangBend;  // (across, forward) of the curve of the fang
    QPointF fangTip;
    qreal fangWidth;
    qreal fangTipWidth;
    LimbStyle style;
    LimbStyle fangStyle;
  };
  struct Limbs {
    std::vector<JointedLimb> limbs;
    LimbStyle style;
  };

  static JointedLimb antenna(const BodyAxis& axis, qreal side, const Antenna& antenna);
  static void paintPoisonClaws(QPainter& painter, const BodyAxis& axis, const PoisonClaws& claws);
  // The shadow of the trunk and of every limb at once, then the limbs themselves.
  static void paintLimbs(QPainter& painter, const CentipedeTrunk& trunk,
                         const std::vector<Limbs>& groups);
};

}  // namespace sylvenor::draw::arthropods
