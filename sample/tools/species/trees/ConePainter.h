#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QTransform>

class QPainter;

namespace sylvenor::draw {

// How a closed cone looks: its size and outline, and the scales that cover it.
struct ConeLook {
  enum class Scales {
    Shields,  // pines: the thick diamond-shaped ends of the woody scales, side by side
    Thin,     // spruce: thin overlapping scales with a wavy free edge
  };
  qreal length = 150;
  qreal radius = 45;
  qreal widest = 0.35;  // where the cone is widest, from its base
  qreal apexRoundness = 0.7;
  int rows = 16;
  int perRow = 12;
  qreal twist = 60;  // degrees the rows turn along the cone, giving the spirals
  Scales scales = Scales::Shields;
  QColor colour;
  qreal gloss = 0.2;
};

// A closed cone drawn on the surface of a body of revolution. In its own coordinates the base is
// at the origin and the apex at (0, length); `placement` puts it on the canvas.
class ConePainter {
 public:
  ConePainter(const ConeLook& look, const QTransform& placement);

  void paint(QPainter& painter) const;

 private:
  struct Scale {
    qreal along;
    qreal around;
    qreal tone;  // small random difference between scales, from -1 to 1
  };

  qreal radiusAt(qreal along) const;
  QPointF surface(qreal along, qreal around, qreal lift = 0) const;
  QPainterPath body() const;
  // A point `rows` and `columns` of the scale grid away from the centre of a scale, following
  // the twist of the rows.
  QPointF nearScale(const Scale& scale, qreal rows, qreal columns, qreal lift = 0) const;
  QPainterPath shield(const Scale& scale) const;
  QPainterPath thinScale(const Scale& scale) const;
  QColor lit(const Scale& scale) const;
  void paintShield(QPainter& painter, const Scale& scale) const;
  void paintThinScale(QPainter& painter, const Scale& scale) const;
  void paintGloss(QPainter& painter) const;

  ConeLook look_;
  QTransform placement_;
};

}  // namespace sylvenor::draw
