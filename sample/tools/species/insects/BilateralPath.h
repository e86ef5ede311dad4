#pragma once

#include <QPainterPath>

namespace sylvenor::draw {

// Insects are drawn in body coordinates whose midline is x = 0: an outline is traced once, for
// the right side, and closed with its mirror image so that both sides always match.
class BilateralPath {
 public:
  // rightHalf runs from a point on the midline to another point on the midline.
  static QPainterPath fromRightHalf(const QPainterPath& rightHalf);
  static QPainterPath mirrored(const QPainterPath& path);
  static QPointF mirrored(QPointF point);
};

}  // namespace sylvenor::draw
