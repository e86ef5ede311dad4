#pragma once

#include <QColor>

namespace sylvenor::draw::arthropods {

// Smooth transitions along a body: of colour from one part to the next, of width at its ends.
class Blend {
 public:
  // a when k is 0, b when k is 1 (k is clamped).
  static QColor colours(const QColor& a, const QColor& b, qreal k);
  // 0 before edge0, 1 after edge1, an S-shaped rise in between.
  static qreal smoothStep(qreal edge0, qreal edge1, qreal x);
  // A factor that rounds off the end of a body over "share" of its length, like a half circle.
  static qreal roundedEnd(qreal distanceFromEnd, qreal share);
};

}  // namespace sylvenor::draw::arthropods
