#include "BilateralPath.h"

#include <QTransform>

namespace sylvenor::draw {

QPainterPath BilateralPath::fromRightHalf(const QPainterPath& rightHalf) {
  QPainterPath outline = rightHalf;
  outline.connectPath(mirrored(rightHalf).toReversed());
  outline.closeSubpath();
  return outline;
}

QPainterPath BilateralPath::mirrored(const QPainterPath& path) {
  return QTransform::fromScale(-1, 1).map(path);
}

QPointF BilateralPath::mirrored(QPointF point) { return {-point.x(), point.y()}; }

}  // namespace sylvenor::draw
