#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace sylvenor::draw {

// Parts that several conifer branches share: wood with its bark, winter buds, cone stalks.
class ConiferParts {
 public:
  // Pine wood whose bark peels off in thin orange papery flakes on its older part, up to
  // `barkEnd` (a percentage of the spine), and turns into the smooth young wood beyond.
  static void paintFlakingBark(QPainter& painter, const QPainterPath& spine, qreal startWidth,
                               qreal endWidth, qreal barkEnd, const QColor& youngWood,
                               unsigned seed);
  // Smooth grey bark with a few fine cracks and dots.
  static void paintGreyBark(QPainter& painter, const QPainterPath& spine, qreal startWidth,
                            qreal endWidth, unsigned seed);
  // Small marks along a shoot: needle scars, bud scales, pegs, lenticels.
  static void paintMarks(QPainter& painter, const QPainterPath& spine, qreal width, int count,
                         const QColor& colour, unsigned seed);
  // The cut end at the start of a branch, showing pale wood and its growth rings inside the
  // bark.
  static void paintCutEnd(QPainter& painter, const QPainterPath& spine, qreal width,
                          const QColor& bark);
  // The cluster of pointed winter buds at the tip of a shoot.
  static void paintBuds(QPainter& painter, const QPainterPath& spine, qreal size,
                        const QColor& colour);
};

}  // namespace sylvenor::draw
