#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QSizeF>

class QPainter;

namespace sylvenor::draw {

// The shine and grain of a hard, polished cuticle: soft reflections of the sky and the fine pits
// that only the magnifier shows.
class Lustre {
 public:
  // Light comes from the upper left in every picture.
  static QPointF towardsLight();
  // An elliptical glow that fades from its centre to nothing.
  static void glow(QPainter& painter, QPointF centre, QSizeF radii, qreal degrees,
                   const QColor& colour);
  // Tiny pits on a jittered grid, each with a lit lower rim as a dent would have.
  static void punctures(QPainter& painter, const QPainterPath& area, qreal spacing, qreal radius,
                        const QColor& colour, unsigned seed);
};

}  // namespace sylvenor::draw
