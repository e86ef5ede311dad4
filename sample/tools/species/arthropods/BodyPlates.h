#pragma once

#include <QColor>
#include <QPainterPath>

#include "BodyAxis.h"

class QPainter;

namespace sylvenor::draw::arthropods {

// The hard plates (or the rings) of a long body seen from above, each shaded as the top of a
// flattened tube lit from the upper left.
class BodyPlates {
 public:
  // The plate between t0 and t1; "corner" (0 to 1) is the share of its length that is rounded off.
  static QPainterPath plate(const BodyAxis& axis, qreal t0, qreal t1,
                            const BodyAxis::Profile& halfWidth, qreal corner);
  // Fills "shape" across the body at t with a highlight on the lit flank, then outlines it.
  static void paint(QPainter& painter, const BodyAxis& axis, const QPainterPath& shape, qreal t,
                    qreal halfWidth, const QColor& fill);
  static void outline(QPainter& painter, const QPainterPath& shape, const QColor& fill,
                      qreal width);
  // The flank of the body that faces the light, as the sign of BodyAxis side offsets.
  static qreal litSide(const BodyAxis& axis, qreal t);
};

}  // namespace sylvenor::draw::arthropods
