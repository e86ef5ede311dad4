#pragma once

#include <vector>

#include "BeetleLeg.h"
#include "ClubbedAntenna.h"

class QPainter;

namespace sylvenor::draw {

// Coccinella septempunctata seen from above while it walks: red domed wing cases with seven
// black spots, a black pronotum with white front corners, a small head with short clubbed
// antennae, and six black jointed legs showing on the sides.
class SevenSpotLadybird {
 public:
  static void paint(QPainter& painter);

 private:
  static std::vector<BeetleLeg> legs();
  static std::vector<ClubbedAntenna> antennae();
  static void castShadow(QPainter& painter, const std::vector<BeetleLeg>& legs,
                         const std::vector<ClubbedAntenna>& antennae);
};

}  // namespace sylvenor::draw
