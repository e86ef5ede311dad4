#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <functional>

#include "DrawingKit.h"

class QPainter;

namespace sylvenor::draw {

class BodyShape;

// Volume and surface of a skin, on top of every family's helpers: colours that change across a
// body, the darker flanks of a round body, the wet shine of an amphibian, a soft shadow on the
// ground.
class SkinShading : public DrawingKit {
 public:
  using ColourAcross = std::function<QColor(qreal v)>;

  // Paints the whole body, its colour depending on v only (back to belly of a fish).
  static void fillAcross(QPainter& painter, const BodyShape& body, const ColourAcross& colour);
  // Darkens both edges of a body seen from above (or the belly of one seen from the side),
  // from |v| = start outwards, so that it looks round.
  static void shadeEdges(QPainter& painter, const BodyShape& body, const QColor& dark, qreal start,
                         qreal vFrom = -1, qreal vTo = 1);
  // A soft light streak along v = centre, the broad sheen of a round body.
  static void sheen(QPainter& painter, const BodyShape& body, qreal centre, qreal halfWidth,
                    const QColor& light, qreal t0 = 0, qreal t1 = 1);
  static void softShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, qreal spread,
                         int strength = 60);
  // A crisp wet highlight: a small bright ellipse fading at its rim.
  static void glint(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY, qreal angle,
                    int alpha = 220);
};

}  // namespace sylvenor::draw
