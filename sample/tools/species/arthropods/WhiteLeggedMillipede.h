#pragma once

#include <vector>

#include "BodyAxis.h"
#include "JointedLimb.h"

class QPainter;

namespace sylvenor::draw::arthropods {

// Tachypodoiulus niger from the side: a glossy black cylindrical millipede with fine rings,
// two pairs of short white legs under each ring, short antennae and a pointed, curled tail.
class WhiteLeggedMillipede {
 public:
  static void paint(QPainter& painter);

 private:
  static BodyAxis midline();
  static qreal radius(qreal t);
  static qreal ringStart(int ring);
  static std::vector<JointedLimb> legs(const BodyAxis& axis, qreal shiftAlong, qreal lift);
  static void paintRings(QPainter& painter, const BodyAxis& axis);
  static void paintRingDetail(QPainter& painter, const BodyAxis& axis, int ring);
  static void paintHead(QPainter& painter, const BodyAxis& axis);
};

}  // namespace sylvenor::draw::arthropods
