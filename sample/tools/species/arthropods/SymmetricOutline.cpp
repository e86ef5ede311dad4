#include "SymmetricOutline.h"

#include "PathKit.h"

namespace sylvenor::draw::arthropods {

QPainterPath SymmetricOutline::fromRightHalf(const QPainterPath& rightHalf, qreal axisX) {
  QPainterPath whole = rightHalf;
  const QPainterPath left = PathKit::mirrored(rightHalf, axisX).toReversed();
  for (int i = 1; i < left.elementCount(); ++i) {
    const QPainterPath::Element e = left.elementAt(i);
    if (e.type == QPainterPath::CurveToElement) {
      whole.cubicTo(e, left.elementAt(i + 1), left.elementAt(i + 2));
      i += 2;
    } else {
      whole.lineTo(e);
    }
  }
  whole.closeSubpath();
  return whole;
}

}  // namespace sylvenor::draw::arthropods
