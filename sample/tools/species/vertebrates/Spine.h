#pragma once

#include <QPainterPath>
#include <QPointF>
#include <vector>

namespace sylvenor::draw {

// The centre line of a long body, measured by its length: t = 0 at the first point of the line
// (the snout), t = 1 at its end (the tail). The normal points to the right of the direction of
// travel on screen, that is downwards for a body heading right.
class Spine {
 public:
  explicit Spine(const QPainterPath& centreLine);

  qreal length() const { return lengths_.back(); }
  QPointF pointAt(qreal t) const;
  QPointF tangentAt(qreal t) const;
  QPointF normalAt(qreal t) const;
  qreal angleAt(qreal t) const;  // degrees, as QTransform::rotate() wants them

 private:
  std::vector<QPointF> points_;
  std::vector<qreal> lengths_;
};

}  // namespace sylvenor::draw
