#include "BodyAxis.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace sylvenor::draw::arthropods {

namespace {

constexpr int kSamples = 800;

}  // namespace

BodyAxis::BodyAxis(const QPainterPath& midline) {
  points_.reserve(kSamples + 1);
  lengths_.reserve(kSamples + 1);
  for (int i = 0; i <= kSamples; ++i) {
    const QPointF p = midline.pointAtPercent(qreal(i) / kSamples);
    lengths_.push_back(points_.empty() ? 0.0
                                       : lengths_.back() + QLineF(points_.back(), p).length());
    points_.push_back(p);
  }
}

QPointF BodyAxis::point(qreal t) const {
  const qreal wanted = std::clamp(t, 0.0, 1.0) * length();
  const auto after = std::lower_bound(lengths_.begin(), lengths_.end(), wanted);
  if (after == lengths_.begin()) return points_.front();
  if (after == lengths_.end()) return points_.back();
  const auto index = std::size_t(after - lengths_.begin());
  const qreal span = lengths_[index] - lengths_[index - 1];
  const qreal k = span > 0 ? (wanted - lengths_[index - 1]) / span : 0.0;
  return points_[index - 1] + (points_[index] - points_[index - 1]) * k;
}

QPointF BodyAxis::tangent(qreal t) const {
  const qreal step = 2.0 / kSamples;
  const QPointF d = point(t + step) - point(t - step);
  const qreal n = std::hypot(d.x(), d.y());
  return n > 0 ? d / n : QPointF(1, 0);
}

QPointF BodyAxis::normal(qreal t) const {
  const QPointF d = tangent(t);
  return {-d.y(), d.x()};
}

QTransform BodyAxis::frame(qreal t) const {
  const QPointF centre = point(t);
  const QPointF direction = tangent(t);
  QTransform frame;
  frame.translate(centre.x(), centre.y());
  frame.rotate(std::atan2(direction.y(), direction.x()) * 180 / std::numbers::pi);
  return frame;
}

QPainterPath BodyAxis::band(qreal t0, qreal t1, const Profile& halfWidth, int steps) const {
  return band(t0, t1, halfWidth, halfWidth, steps);
}

QPainterPath BodyAxis::band(qreal t0, qreal t1, const Profile& negative, const Profile& positive,
                            int steps) const {
  QPainterPath path;
  for (int i = 0; i <= steps; ++i) {
    const qreal t = t0 + (t1 - t0) * i / steps;
    const QPointF p = at(t, -negative(t));
    if (i == 0) {
      path.moveTo(p);
    } else {
      path.lineTo(p);
    }
  }
  for (int i = steps; i >= 0; --i) {
    const qreal t = t0 + (t1 - t0) * i / steps;
    path.lineTo(at(t, positive(t)));
  }
  path.closeSubpath();
  return path;
}

QPainterPath BodyAxis::ring(qreal t, qreal halfWidth, qreal bulge) const {
  QPainterPath path(at(t, -halfWidth));
  path.quadTo(point(t) + tangent(t) * (2 * bulge), at(t, halfWidth));
  return path;
}

}  // namespace sylvenor::draw::arthropods
