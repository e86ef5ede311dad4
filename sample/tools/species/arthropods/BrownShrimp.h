#pragma once

#include <QPainterPath>

#include "BodyAxis.h"

class QPainter;

namespace sylvenor::draw::arthropods {

// Crangon crangon from the side, head to the right: a flattened, translucent sandy-grey shrimp
// speckled with dark pigment cells, ending in a tail fan.
class BrownShrimp {
 public:
  static void paint(QPainter& painter);

  // The tail: from the back of the shell (t = 0) to the tip of the tail spine (t = 1).
  static BodyAxis tailAxis();
  // Where each of the six tail segments starts along tailAxis; the seventh entry is where the
  // tail spine starts.
  static qreal segmentStart(int segment);
  static qreal backHeight(qreal t);
  static qreal bellyDepth(qreal t);

 private:
  static QPainterPath shell();
  static QPainterPath segmentShape(const BodyAxis& axis, int segment);
  static void paintTail(QPainter& painter, const BodyAxis& axis);
  static void paintShell(QPainter& painter);
  static void paintEye(QPainter& painter);
};

}  // namespace sylvenor::draw::arthropods
