#pragma once

#include <QColor>
#include <QPainterPath>
#include <vector>

#include "BodyAxis.h"
#include "JointedLimb.h"

class QPainter;

namespace sylvenor::draw::arthropods {

// The legs, feelers and tail fan of the brown shrimp seen from the side. Each pair shows as a
// near limb and, slightly behind and paler, the far one.
class ShrimpAppendages {
 public:
  static QPainterPath silhouette(const BodyAxis& tail);
  static void paintFarSide(QPainter& painter, const BodyAxis& tail);
  static void paintNearSide(QPainter& painter, const BodyAxis& tail);
  static void paintTailFan(QPainter& painter, const BodyAxis& tail);
  // The flat scale, the long antenna and the short split antennule of the near side.
  static void paintHeadFront(QPainter& painter);

 private:
  static std::vector<JointedLimb> walkingLegs(QPointF shift);
  static std::vector<JointedLimb> swimmingLegs(const BodyAxis& tail, QPointF shift);
  static void paintLimbs(QPainter& painter, const BodyAxis& tail, QPointF shift,
                         const QColor& colour);
  static void paintHook(QPainter& painter, const JointedLimb& firstLeg, const QColor& colour);
  static void paintFeelers(QPainter& painter, QPointF shift, const QColor& colour);
  static QPainterPath fanBlade(const BodyAxis& tail, qreal drop, qreal reach);
};

}  // namespace sylvenor::draw::arthropods
