#pragma once

#include <QPainterPath>

namespace sylvenor::draw::arthropods {

// Outlines of bodies that are the same on both sides: drawn as the right half only, from the
// front point on the axis round to the rear point, and closed with its mirror image.
class SymmetricOutline {
 public:
  static QPainterPath fromRightHalf(const QPainterPath& rightHalf, qreal axisX);
};

}  // namespace sylvenor::draw::arthropods
