#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QTransform>

#include "JointedLimb.h"

class QPainter;

namespace sylvenor::draw::arthropods {

// A claw of the shore crab, held folded in front of the shell: arm and wrist, a stout hand and
// two toothed fingers, the movable one in front of the fixed one.
class CrabClaw {
 public:
  // side: -1 for the crab's left claw (on the left of the picture), 1 for its right one.
  explicit CrabClaw(qreal side);

  QPainterPath silhouette() const;
  void paint(QPainter& painter) const;

 private:
  QPointF place(qreal x, qreal y) const;
  QPainterPath hand() const;
  QPainterPath movableFinger() const;
  QPainterPath fixedFinger() const;
  void paintPart(QPainter& painter, const QPainterPath& shape, const QColor& tip) const;

  qreal side_;
  JointedLimb arm_;
  QTransform handFrame_;  // x from the wrist towards the fingers, y towards the front edge
};

}  // namespace sylvenor::draw::arthropods
