#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <cstdint>
#include <vector>

namespace sylvenor::draw {

class BodyShape;

// Spots, speckles and blotches spread evenly but irregularly. The generator is seeded by each
// drawing with a constant, so that a picture is the same every time it is made.
class Scatter {
 public:
  // Points (t, v) of a body inside tvArea, at least minDistance canvas units apart.
  static std::vector<QPointF> onBody(const BodyShape& body, std::uint32_t seed, int count,
                                     const QRectF& tvArea, qreal minDistance);
  // Canvas points inside a shape, at least minDistance apart.
  static std::vector<QPointF> inShape(const QPainterPath& shape, std::uint32_t seed, int count,
                                      qreal minDistance);
};

}  // namespace sylvenor::draw
