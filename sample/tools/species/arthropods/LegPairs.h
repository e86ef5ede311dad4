#pragma once

#include <QPointF>
#include <span>
#include <vector>

#include "JointedLimb.h"

namespace sylvenor::draw::arthropods {

// The walking legs of an animal seen from above: each is laid out on the right side and
// mirrored about the midline for the left.
class LegPairs {
 public:
  // One leg of the right side.
  struct Layout {
    QPointF hip;
    qreal heading;             // of the first segment, in degrees (0 points right, 90 down)
    qreal length;              // of the whole leg
    std::vector<qreal> turns;  // at each joint after the first segment
  };
  // How every leg of the animal is built: the share of the length that each segment takes,
  // and the width at each joint.
  struct Build {
    qreal midline;  // x of the axis of symmetry
    std::vector<qreal> shares;
    std::vector<qreal> widths;
  };

  // The pairs front to back, the left leg of each pair first.
  static std::vector<JointedLimb> lay(std::span<const Layout> legs, const Build& build);
};

}  // namespace sylvenor::draw::arthropods
