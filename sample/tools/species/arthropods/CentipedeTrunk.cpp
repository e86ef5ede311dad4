#include "CentipedeTrunk.h"

#include <cmath>
#include <numbers>
#include <numeric>
#include <utility>

#include "DrawingKit.h"

namespace sylvenor::draw::arthropods {

CentipedeTrunk::CentipedeTrunk(Plan plan) : plan_(std::move(plan)), axis_(plan_.midline) {
  const qreal total = std::accumulate(plan_.tergites.begin(), plan_.tergites.end(), 0.0);
  qreal t = plan_.trunkStart;
  bounds_.push_back(t);
  for (const qreal share : plan_.tergites) {
    t += share / total * (plan_.trunkEnd - plan_.trunkStart);
    bounds_.push_back(t);
  }
}

std::vector<QPointF> CentipedeTrunk::leg(int tergite, qreal side, const std::vector<qreal>& lengths,
                                         qreal sweep, qreal bend) const {
  // Legs hinge a little behind the middle of their plate, under its edge.
  const qreal t = start(tergite) + (end(tergite) - start(tergite)) * 0.6;
  return limbFrom(t, side, 0.8, lengths, sweep, bend);
}

std::vector<QPointF> CentipedeTrunk::limbFrom(qreal t, qreal side, qreal inset,
                                              const std::vector<qreal>& lengths, qreal sweep,
                                              qreal bend) const {
  // Legs follow the general line of the body rather than each bend, so that they do not crowd
  // on the inner side of a curve.
  const QPointF chord = axis_.point(t + 0.12) - axis_.point(t - 0.12);
  const QPointF back = DrawingKit::unit(chord);
  const QPointF across = QPointF(-back.y(), back.x()) * side;
  std::vector<QPointF> joints{axis_.at(t, side * plan_.halfWidth(t) * inset)};
  qreal angle = sweep * std::numbers::pi / 180;
  for (const qreal length : lengths) {
    joints.push_back(joints.back() + (across * std::cos(angle) + back * std::sin(angle)) * length);
    angle += bend * std::numbers::pi / 180;
  }
  return joints;
}

}  // namespace sylvenor::draw::arthropods
