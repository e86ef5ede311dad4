#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace sylvenor::draw::arthropods {

// The blurred shadow that an organism casts on the plain background: the shapes added are
// gathered in one mask, so that overlapping parts never darken twice.
class SoftShadow {
 public:
  SoftShadow(QPainter& painter, QPointF offset, qreal blur);

  void add(const QPainterPath& shape);
  void cast(qreal opacity);

 private:
  void blurMask();

  QPainter& painter_;
  qreal scale_;
  int radius_;
  QImage mask_;
  QTransform toMask_;
};

}  // namespace sylvenor::draw::arthropods
