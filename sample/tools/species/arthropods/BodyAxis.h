#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QTransform>
#include <functional>
#include <vector>

namespace sylvenor::draw::arthropods {

// The midline of a long body, from the head (t = 0) to the tail (t = 1), measured by length so
// that equal steps of t give segments of equal length however the body bends.
class BodyAxis {
 public:
  using Profile = std::function<qreal(qreal t)>;

  explicit BodyAxis(const QPainterPath& midline);

  qreal length() const { return lengths_.back(); }
  QPointF point(qreal t) const;
  // Unit vector pointing towards the tail.
  QPointF tangent(qreal t) const;
  // Unit vector across the body; "side" is negative on one flank and positive on the other.
  QPointF normal(qreal t) const;
  QPointF at(qreal t, qreal side) const { return point(t) + normal(t) * side; }
  // As "at", moved by "forward" towards the head (negative: towards the tail).
  QPointF at(qreal t, qreal side, qreal forward) const {
    return at(t, side) - tangent(t) * forward;
  }
  // Coordinates centred on the midline at t, their x axis pointing towards the tail.
  QTransform frame(qreal t) const;
  // The outline of the body between t0 and t1, as wide as halfWidth on each side.
  QPainterPath band(qreal t0, qreal t1, const Profile& halfWidth, int steps = 10) const;
  // The same with a different width on each flank: "negative" on the side of negative offsets.
  QPainterPath band(qreal t0, qreal t1, const Profile& negative, const Profile& positive,
                    int steps) const;
  // The line across the body at t, bulging towards the tail as a ring on a round body does.
  QPainterPath ring(qreal t, qreal halfWidth, qreal bulge) const;

 private:
  std::vector<QPointF> points_;
  std::vector<qreal> lengths_;
};

}  // namespace sylvenor::draw::arthropods
