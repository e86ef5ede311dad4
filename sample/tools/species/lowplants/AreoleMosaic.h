#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QVector>
#include <cstdint>

namespace sylvenor::draw {

// Cracks a surface into angular patches, each the set of points nearest to one scattered seed,
// the way a crustose lichen splits into areoles as it dries and grows.
class AreoleMosaic {
 public:
  struct Cell {
    QPointF site;
    QPolygonF outline;
  };

  static QVector<Cell> cells(const QRectF& area, qreal spacing, std::uint32_t seed);
  static QVector<QPointF> corners(const QVector<Cell>& cells);
  static QPolygonF inset(const QPolygonF& outline, QPointF centre, qreal gap);

 private:
  static QPolygonF clip(const QPolygonF& polygon, QPointF site, QPointF other);
};

}  // namespace sylvenor::draw
