#pragma once

#include <QColor>
#include <QPainterPath>
#include <functional>

#include "BodyAxis.h"

class QPainter;

namespace sylvenor::draw::arthropods {

// The soft, ringed body of a worm seen from above: a tube whose colour may change along its
// length, crossed by fine grooves and wet with a long shine on the lit flank.
class RingedBody {
 public:
  using Colouring = std::function<QColor(qreal t)>;

  RingedBody(const BodyAxis& axis, BodyAxis::Profile halfWidth);

  const BodyAxis& axis() const { return axis_; }
  qreal halfWidth(qreal t) const { return halfWidth_(t); }
  QPainterPath outline(qreal t0 = 0, qreal t1 = 1) const;
  // The soft shadow that the whole body casts on the ground.
  void paintShadow(QPainter& painter, qreal blur) const;
  // Fills the body between t0 and t1 in thin slices, each shaded across like a tube.
  void paintFlesh(QPainter& painter, const Colouring& colour, qreal t0 = 0, qreal t1 = 1,
                  int slices = 360) const;
  // One groove for each ring boundary, evenly spaced between t0 and t1.
  void paintRings(QPainter& painter, int rings, qreal t0, qreal t1, int alpha) const;
  void paintSheen(QPainter& painter, qreal t0, qreal t1, int alpha) const;
  void paintOutline(QPainter& painter, const QColor& colour, qreal width) const;

 private:
  BodyAxis axis_;
  BodyAxis::Profile halfWidth_;
};

}  // namespace sylvenor::draw::arthropods
