#include "Spine.h"

#include <QLineF>
#include <algorithm>
#include <cmath>

namespace sylvenor::draw {

namespace {

constexpr int kSamples = 1200;

}  // namespace

Spine::Spine(const QPainterPath& centreLine) {
  points_.reserve(kSamples + 1);
  lengths_.reserve(kSamples + 1);
  for (int i = 0; i <= kSamples; ++i) {
    const QPointF point = centreLine.pointAtPercent(qreal(i) / kSamples);
    const qreal travelled =
        points_.empty() ? 0.0 : lengths_.back() + QLineF(points_.back(), point).length();
    points_.push_back(point);
    lengths_.push_back(travelled);
  }
}

QPointF Spine::pointAt(qreal t) const {
  const qreal wanted = std::clamp(t, 0.0, 1.0) * length();
  const auto upper = std::lower_bound(lengths_.begin(), lengths_.end(), wanted);
  if (upper == lengths_.begin()) return points_.front();
  if (upper == lengths_.end()) return points_.back();
  const std::size_t i = std::size_t(upper - lengths_.begin());
  const qreal span = lengths_[i] - lengths_[i - 1];
  const qreal f = span > 0 ? (wanted - lengths_[i - 1]) / span : 0.0;
  return points_[i - 1] + (points_[i] - points_[i - 1]) * f;
}

QPointF Spine::tangentAt(qreal t) const {
  const qreal step = 2.0 / length();
  const qreal a = std::clamp(t - step, 0.0, 1.0 - step);
  const QPointF delta = pointAt(a + 2 * step) - pointAt(a);
  const qreal norm = std::hypot(delta.x(), delta.y());
  return norm > 0 ? delta / norm : QPointF(1, 0);
}

QPointF Spine::normalAt(qreal t) const {
  const QPointF tangent = tangentAt(t);
  return {-tangent.y(), tangent.x()};
}

qreal Spine::angleAt(qreal t) const {
  const QPointF tangent = tangentAt(t);
  return std::atan2(tangent.y(), tangent.x()) * 180.0 / M_PI;
}

}  // namespace sylvenor::draw
