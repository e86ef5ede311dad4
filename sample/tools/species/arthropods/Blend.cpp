#include "Blend.h"

#include <algorithm>
#include <cmath>

namespace sylvenor::draw::arthropods {

QColor Blend::colours(const QColor& a, const QColor& b, qreal k) {
  k = std::clamp(k, 0.0, 1.0);
  return QColor::fromRgbF(
      a.redF() + (b.redF() - a.redF()) * k, a.greenF() + (b.greenF() - a.greenF()) * k,
      a.blueF() + (b.blueF() - a.blueF()) * k, a.alphaF() + (b.alphaF() - a.alphaF()) * k);
}

qreal Blend::smoothStep(qreal edge0, qreal edge1, qreal x) {
  const qreal u = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return u * u * (3 - 2 * u);
}

qreal Blend::roundedEnd(qreal distanceFromEnd, qreal share) {
  if (distanceFromEnd >= share) return 1.0;
  const qreal u = 1 - std::max(0.0, distanceFromEnd) / share;
  return std::sqrt(std::max(0.0, 1 - u * u));
}

}  // namespace sylvenor::draw::arthropods
