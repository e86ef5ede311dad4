#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <vector>

#include "MarineKit.h"

class QPainter;

namespace sylvenor::draw {

// The outline of a five-armed sea star seen from above and the way to place things on it: a
// point is found by its arm, how far along it (0 at the centre, 1 at the tip) and how far across
// (-1 and 1 at the two edges).
class SeaStarBody {
 public:
  // halfWidth gives the half width of an arm at each distance along it.
  SeaStarBody(QPointF centre, qreal reach, qreal discRadius, MarineKit::WidthProfile halfWidth,
              const std::vector<qreal>& bends);

  static constexpr int kArms = 5;

  const QPainterPath& outline() const { return outline_; }
  QPointF centre() const { return centre_; }
  qreal discRadius() const { return discRadius_; }
  qreal halfWidth(qreal along) const { return halfWidth_(along); }
  QPointF onArm(int arm, qreal along, qreal across) const;
  // The bearing, in degrees, half-way between an arm and the next one.
  qreal betweenArms(int arm) const;

  // Stacked offset copies of the outline: a shadow fading away from the lower right.
  void paintShadow(QPainter& painter, const QColor& colour) const;
  // Base colour, a darker rim where the arms round off, a lighter ridge along each arm.
  void paintVolume(QPainter& painter, const QColor& ridge, const QColor& base,
                   const QColor& rim) const;
  void paintOutline(QPainter& painter, const QColor& colour) const;

 private:
  QPointF centre_;
  qreal discRadius_;
  MarineKit::WidthProfile halfWidth_;
  std::vector<QPainterPath> armLines_;
  QPainterPath outline_;
};

}  // namespace sylvenor::draw
