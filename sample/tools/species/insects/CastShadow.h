#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QTransform>

class QPainter;

namespace sylvenor::draw {

// The blurred shadow that the insect casts on the plain background. Every shape is gathered in
// one mask first, so that legs crossing the body never darken the ground twice.
class CastShadow {
 public:
  CastShadow(QPainter& painter, QPointF offset, qreal blur);

  void add(const QPainterPath& shape);
  // tint carries the colour of the shadow and, in its alpha, its strength.
  void cast(const QColor& tint);

 private:
  void blur();

  QPainter& painter_;
  QImage mask_;
  QTransform toMask_;
  int radius_ = 1;
};

}  // namespace sylvenor::draw
