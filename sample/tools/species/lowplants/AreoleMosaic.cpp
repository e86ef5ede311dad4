#include "AreoleMosaic.h"

#include <QLineF>
#include <QSet>
#include <QtMath>

#include "LowPlantKit.h"

namespace sylvenor::draw {

using Kit = LowPlantKit;

QVector<AreoleMosaic::Cell> AreoleMosaic::cells(const QRectF& area, qreal spacing,
                                                std::uint32_t seed) {
  // Seeds on a jittered grid, so that the patches are all of a size yet irregular.
  Kit::Random random(seed);
  QVector<QPointF> sites;
  for (qreal y = area.top(); y <= area.bottom(); y += spacing) {
    for (qreal x = area.left(); x <= area.right(); x += spacing) {
      sites << QPointF(x + Kit::uniform(random, -0.42, 0.42) * spacing,
                       y + Kit::uniform(random, -0.42, 0.42) * spacing);
    }
  }
  QVector<Cell> result;
  const qreal reach = spacing * 2.6;
  for (const QPointF& site : sites) {
    QPolygonF polygon(QRectF(site - QPointF(reach, reach), site + QPointF(reach, reach)));
    for (const QPointF& other : sites) {
      if (other == site || QLineF(site, other).length() > reach) continue;
      polygon = clip(polygon, site, other);
    }
    result.push_back({site, polygon});
  }
  return result;
}

QPolygonF AreoleMosaic::clip(const QPolygonF& polygon, QPointF site, QPointF other) {
  // Keep the half of the plane nearer to the site than to the other seed.
  const QPointF middle = (site + other) / 2;
  const QPointF normal = other - site;
  const auto inside = [&](QPointF p) { return QPointF::dotProduct(p - middle, normal) <= 0; };
  QPolygonF kept;
  const int count = int(polygon.size());
  for (int i = 0; i < count; ++i) {
    const QPointF from = polygon[i];
    const QPointF to = polygon[(i + 1) % count];
    const bool fromInside = inside(from);
    if (fromInside) kept << from;
    if (fromInside != inside(to)) {
      const qreal a = QPointF::dotProduct(from - middle, normal);
      const qreal b = QPointF::dotProduct(to - middle, normal);
      kept << from + (to - from) * (a / (a - b));
    }
  }
  return kept;
}

QVector<QPointF> AreoleMosaic::corners(const QVector<Cell>& cells) {
  // Every corner is shared by three patches; keep it once.
  QVector<QPointF> result;
  QSet<qint64> seen;
  for (const Cell& cell : cells) {
    for (const QPointF& corner : cell.outline) {
      const qint64 key = qint64(qRound(corner.x() * 2)) * 100000 + qRound(corner.y() * 2);
      if (seen.contains(key)) continue;
      seen.insert(key);
      result << corner;
    }
  }
  return result;
}

QPolygonF AreoleMosaic::inset(const QPolygonF& outline, QPointF centre, qreal gap) {
  QPolygonF result;
  for (const QPointF& corner : outline) {
    const QLineF toCentre(corner, centre);
    const qreal length = toCentre.length();
    result << (length > gap * 2 ? toCentre.pointAt(gap / length)
                                : corner + (centre - corner) * 0.5);
  }
  return result;
}

}  // namespace sylvenor::draw
