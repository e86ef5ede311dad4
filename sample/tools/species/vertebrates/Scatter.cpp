#include "Scatter.h"

#include <QLineF>
#include <functional>
#include <random>

#include "BodyShape.h"

namespace sylvenor::draw {

namespace {

// Gives up on a crowded area after this many misses rather than looping for ever.
constexpr int kAttemptsPerPoint = 40;

std::vector<QPointF> spread(std::uint32_t seed, int count, const QRectF& area, qreal minDistance,
                            const std::function<bool(QPointF)>& accepts,
                            const std::function<QPointF(QPointF)>& toCanvas) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<qreal> x(area.left(), area.right());
  std::uniform_real_distribution<qreal> y(area.top(), area.bottom());
  std::vector<QPointF> chosen;
  std::vector<QPointF> placed;
  for (int attempt = 0; attempt < count * kAttemptsPerPoint && int(chosen.size()) < count;
       ++attempt) {
    const QPointF candidate(x(random), y(random));
    if (!accepts(candidate)) continue;
    const QPointF onCanvas = toCanvas(candidate);
    bool crowded = false;
    for (const QPointF& other : placed) {
      if (QLineF(other, onCanvas).length() < minDistance) {
        crowded = true;
        break;
      }
    }
    if (crowded) continue;
    chosen.push_back(candidate);
    placed.push_back(onCanvas);
  }
  return chosen;
}

}  // namespace

std::vector<QPointF> Scatter::onBody(const BodyShape& body, std::uint32_t seed, int count,
                                     const QRectF& tvArea, qreal minDistance) {
  return spread(
      seed, count, tvArea, minDistance, [](QPointF) { return true; },
      [&body](QPointF tv) { return body.at(tv.x(), tv.y()); });
}

std::vector<QPointF> Scatter::inShape(const QPainterPath& shape, std::uint32_t seed, int count,
                                      qreal minDistance) {
  return spread(
      seed, count, shape.boundingRect(), minDistance,
      [&shape](QPointF point) { return shape.contains(point); }, [](QPointF p) { return p; });
}

}  // namespace sylvenor::draw
