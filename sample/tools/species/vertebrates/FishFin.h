#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <vector>

#include "Profile.h"

class QPainter;

namespace sylvenor::draw {

class BodyShape;

// A fin of a bony fish: a thin membrane held by rays that fan out from a base on the body. The
// same description serves the dorsal, anal, paired and tail fins.
class FishFin {
 public:
  // The membrane at the base and at the free margin, and the rays.
  struct Colours {
    QColor membrane;
    QColor edge;
    QColor ray;
  };
  struct Shape {
    QPointF baseStart;  // (t, v) of the first ray (the front of the fin, the top of the tail fin)
    QPointF baseEnd;    // (t, v) of the last ray
    qreal angleStart;   // direction of the first ray, degrees on screen (0 right, 90 down)
    qreal angleEnd;     // direction of the last ray
    Profile length;     // length of the rays along the base, s from 0 to 1
    int rays = 12;
    int spines = 0;  // stiff spines at the front; the membrane is notched between them
    Colours colours;
  };

  FishFin(const Shape& shape, const BodyShape& body);

  QPainterPath outline() const;
  void paint(QPainter& painter) const;

 private:
  QPointF basePoint(qreal s) const;
  QPointF tipPoint(qreal s) const;
  void paintRays(QPainter& painter) const;
  void paintRaySegments(QPainter& painter, QPointF from, QPointF to) const;

  Shape shape_;
  QPointF baseStart_;  // on the canvas
  QPointF baseEnd_;
  std::vector<QPointF> margin_;
};

}  // namespace sylvenor::draw
