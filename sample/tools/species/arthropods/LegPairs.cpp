#include "LegPairs.h"

namespace sylvenor::draw::arthropods {

std::vector<JointedLimb> LegPairs::lay(std::span<const Layout> legs, const Build& build) {
  std::vector<JointedLimb> limbs;
  for (const Layout& leg : legs) {
    for (const qreal side : {-1.0, 1.0}) {
      limbs.push_back(JointedLimb::onSide(side, build.midline, leg.hip, leg.heading,
                                          JointedLimb::split(leg.length, build.shares), leg.turns,
                                          build.widths));
    }
  }
  return limbs;
}

}  // namespace sylvenor::draw::arthropods
