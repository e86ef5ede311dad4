#pragma once

#include <QPainterPath>
#include <QPointF>
#include <vector>

#include "Profile.h"
#include "Spine.h"

namespace sylvenor::draw {

// A long body as a centre line and two half-widths: every point of it is addressed by t along
// the line (0 at the snout, 1 at the tail) and v across it (-1 on the left edge of the line,
// that is the back of a fish heading left, +1 on the right edge). Patterns and scales drawn in
// these coordinates follow the curves of the body.
class BodyShape {
 public:
  BodyShape(const Spine& spine, const Profile& negativeSide, const Profile& positiveSide);
  // A body as wide on both sides, from knots of (distance along the centre line in canvas
  // units, half-width).
  static BodyShape symmetric(const QPainterPath& centreLine, const std::vector<QPointF>& halfWidth);

  const Spine& spine() const { return spine_; }
  qreal length() const { return spine_.length(); }
  qreal halfWidth(qreal t, qreal v) const;
  QPointF at(qreal t, qreal v) const;
  // A point at a lateral distance in canvas units rather than as a fraction of the half-width.
  QPointF atOffset(qreal t, qreal offset) const;

  QPainterPath outline() const;
  QPainterPath band(qreal v0, qreal v1, qreal t0 = 0, qreal t1 = 1) const;
  QPainterPath line(qreal v, qreal t0 = 0, qreal t1 = 1) const;
  QPainterPath polygon(const std::vector<QPointF>& tv) const;

 private:
  Spine spine_;
  Profile negative_;
  Profile positive_;
};

}  // namespace sylvenor::draw
