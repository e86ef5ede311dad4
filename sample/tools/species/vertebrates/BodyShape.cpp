#include "BodyShape.h"

#include <algorithm>
#include <cmath>

namespace sylvenor::draw {

namespace {

constexpr int kOutlineSteps = 480;

int stepsFor(qreal t0, qreal t1) {
  return std::max(2, int(std::ceil(std::abs(t1 - t0) * kOutlineSteps)));
}

}  // namespace

BodyShape::BodyShape(const Spine& spine, const Profile& negativeSide, const Profile& positiveSide)
    : spine_(spine), negative_(negativeSide), positive_(positiveSide) {}

BodyShape BodyShape::symmetric(const QPainterPath& centreLine,
                               const std::vector<QPointF>& halfWidth) {
  const Spine spine(centreLine);
  std::vector<QPointF> knots;
  for (const QPointF& knot : halfWidth) knots.emplace_back(knot.x() / spine.length(), knot.y());
  const Profile width(knots);
  return BodyShape(spine, width, width);
}

qreal BodyShape::halfWidth(qreal t, qreal v) const {
  return std::max(0.0, v < 0 ? negative_(t) : positive_(t));
}

QPointF BodyShape::at(qreal t, qreal v) const {
  return spine_.pointAt(t) + spine_.normalAt(t) * (v * halfWidth(t, v));
}

QPointF BodyShape::atOffset(qreal t, qreal offset) const {
  return spine_.pointAt(t) + spine_.normalAt(t) * offset;
}

QPainterPath BodyShape::outline() const { return band(-1, 1); }

QPainterPath BodyShape::band(qreal v0, qreal v1, qreal t0, qreal t1) const {
  const int steps = stepsFor(t0, t1);
  QPainterPath path(at(t0, v0));
  for (int i = 1; i <= steps; ++i) path.lineTo(at(t0 + (t1 - t0) * i / steps, v0));
  for (int i = steps; i >= 0; --i) path.lineTo(at(t0 + (t1 - t0) * i / steps, v1));
  path.closeSubpath();
  return path;
}

QPainterPath BodyShape::line(qreal v, qreal t0, qreal t1) const {
  const int steps = stepsFor(t0, t1);
  QPainterPath path(at(t0, v));
  for (int i = 1; i <= steps; ++i) path.lineTo(at(t0 + (t1 - t0) * i / steps, v));
  return path;
}

QPainterPath BodyShape::polygon(const std::vector<QPointF>& tv) const {
  QPainterPath path;
  for (const QPointF& point : tv) {
    const QPointF mapped = at(point.x(), point.y());
    if (path.elementCount() == 0) {
      path.moveTo(mapped);
    } else {
      path.lineTo(mapped);
    }
  }
  path.closeSubpath();
  return path;
}

}  // namespace sylvenor::draw
