#pragma once

#include <QPainterPath>
#include <QPointF>
#include <vector>

#include "BodyAxis.h"

namespace sylvenor::draw::arthropods {

// The trunk of a centipede seen from above: a row of plates (tergites), each carrying one pair
// of legs, between the head and a small end piece.
class CentipedeTrunk {
 public:
  struct Plan {
    QPainterPath midline;         // from the front of the head to the tip of the tail
    qreal trunkStart = 0.1;       // where the first leg-bearing plate begins (0 to 1)
    qreal trunkEnd = 0.97;        // where the last one ends
    std::vector<qreal> tergites;  // relative lengths, front to back
    BodyAxis::Profile halfWidth;
  };

  explicit CentipedeTrunk(Plan plan);

  const BodyAxis& axis() const { return axis_; }
  int count() const { return int(bounds_.size()) - 1; }
  qreal start(int tergite) const { return bounds_[std::size_t(tergite)]; }
  qreal end(int tergite) const { return bounds_[std::size_t(tergite) + 1]; }
  qreal halfWidth(qreal t) const { return plan_.halfWidth(t); }
  QPainterPath silhouette() const { return axis_.band(0, 1, plan_.halfWidth, 80); }
  // A leg of a tergite on one side (-1 or 1): it leaves the body at "sweep" degrees from the
  // sideways direction (positive towards the tail) and turns by "bend" degrees at each joint.
  std::vector<QPointF> leg(int tergite, qreal side, const std::vector<qreal>& lengths, qreal sweep,
                           qreal bend) const;
  // The same, from any point of the body.
  std::vector<QPointF> limbFrom(qreal t, qreal side, qreal inset, const std::vector<qreal>& lengths,
                                qreal sweep, qreal bend) const;

 private:
  Plan plan_;
  BodyAxis axis_;
  std::vector<qreal> bounds_;
};

}  // namespace sylvenor::draw::arthropods
