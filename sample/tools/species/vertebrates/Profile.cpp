#include "Profile.h"

#include <algorithm>
#include <utility>

namespace sylvenor::draw {

Profile::Profile(std::initializer_list<QPointF> knots) : Profile(std::vector<QPointF>(knots)) {}

Profile::Profile(std::vector<QPointF> knots) : knots_(std::move(knots)) {
  std::sort(knots_.begin(), knots_.end(),
            [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
  computeSlopes();
}

// Fritsch-Carlson slopes: a cubic Hermite curve through the knots without overshoot.
void Profile::computeSlopes() {
  const std::size_t n = knots_.size();
  slopes_.assign(n, 0.0);
  if (n < 2) return;
  std::vector<qreal> secants(n - 1);
  for (std::size_t i = 0; i + 1 < n; ++i) {
    const qreal dx = knots_[i + 1].x() - knots_[i].x();
    secants[i] = dx > 0 ? (knots_[i + 1].y() - knots_[i].y()) / dx : 0.0;
  }
  slopes_[0] = secants[0];
  slopes_[n - 1] = secants[n - 2];
  for (std::size_t i = 1; i + 1 < n; ++i) {
    const qreal a = secants[i - 1];
    const qreal b = secants[i];
    slopes_[i] = (a * b <= 0) ? 0.0 : 2.0 / (1.0 / a + 1.0 / b);
  }
}

qreal Profile::operator()(qreal t) const {
  if (knots_.empty()) return 0.0;
  if (t <= knots_.front().x()) return knots_.front().y();
  if (t >= knots_.back().x()) return knots_.back().y();
  const auto upper = std::upper_bound(knots_.begin(), knots_.end(), t,
                                      [](qreal value, const QPointF& k) { return value < k.x(); });
  const std::size_t i = std::size_t(upper - knots_.begin()) - 1;
  const QPointF& a = knots_[i];
  const QPointF& b = knots_[i + 1];
  const qreal h = b.x() - a.x();
  const qreal s = (t - a.x()) / h;
  const qreal s2 = s * s;
  const qreal s3 = s2 * s;
  return (2 * s3 - 3 * s2 + 1) * a.y() + (s3 - 2 * s2 + s) * h * slopes_[i] +
         (-2 * s3 + 3 * s2) * b.y() + (s3 - s2) * h * slopes_[i + 1];
}

}  // namespace sylvenor::draw
