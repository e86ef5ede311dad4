#include "GranitePiece.h"

#include <QPainter>
#include <QPolygonF>

#include "LowPlantKit.h"

namespace sylvenor::draw {

using Kit = LowPlantKit;

namespace {

// Grey stone whose broken side shows below its face.
const Kit::Slab kSlab{.shadowShift = 14,
                      .shadowDrop = 0.46,
                      .shadowAlpha = 90,
                      .sideOffset = QPointF(4, 16),
                      .side = QColor(108, 106, 102),
                      .sideEdge = QColor(62, 60, 58),
                      .sideEdgeWidth = 1.4,
                      .lit = QColor(190, 188, 182),
                      .shaded = QColor(142, 140, 136),
                      .edge = QColor(70, 68, 66),
                      .edgeWidth = 1.6};

}  // namespace

QPainterPath GranitePiece::outline(const QRectF& area, std::uint32_t seed) {
  // Straight broken edges meeting at blunt corners.
  Kit::Random random(seed);
  QPolygonF corners;
  const int count = 13;
  for (int i = 0; i < count; ++i) {
    const QPointF unit = Kit::polar(QPointF(), 1, 360.0 * i / count + Kit::uniform(random, -8, 8));
    const qreal squareness = 1 / qMax(qAbs(unit.x()), qAbs(unit.y()));
    const qreal scale = Kit::uniform(random, 0.8, 0.95) * qMin(squareness, 1.25);
    corners << area.center() + QPointF(unit.x() * area.width() / 2 * scale,
                                       unit.y() * area.height() / 2 * scale);
  }
  QPainterPath path;
  path.addPolygon(corners);
  path.closeSubpath();
  return path;
}

void GranitePiece::paint(QPainter& painter, const QPainterPath& outline, std::uint32_t seed,
                         bool detailed) {
  Kit::slab(painter, outline, kSlab,
            [&](QPainter& p, const QRectF& box) { paintCrystals(p, box, seed, detailed); });
}

void GranitePiece::paintCrystals(QPainter& painter, const QRectF& box, std::uint32_t seed,
                                 bool detailed) {
  // Black mica, white quartz and pinkish feldspar, as little angular grains.
  Kit::Random random(seed * 5 + 1);
  painter.setPen(Qt::NoPen);
  const int grains = detailed ? 2400 : 1300;
  for (int i = 0; i < grains; ++i) {
    const QPointF at = Kit::pointIn(random, box);
    const qreal size = Kit::uniform(random, 1.2, 5);
    const qreal pick = Kit::uniform(random, 0, 1);
    painter.setBrush(pick < 0.35   ? QColor(40, 38, 36, 200)
                     : pick < 0.75 ? QColor(236, 234, 228, 170)
                                   : QColor(206, 176, 164, 150));
    QPolygonF grain;
    const qreal turn = Kit::uniform(random, 0, 360);
    for (int k = 0; k < 4; ++k) {
      grain << Kit::polar(at, size * Kit::uniform(random, 0.6, 1.2), turn + 90 * k);
    }
    painter.drawPolygon(grain);
  }
}

}  // namespace sylvenor::draw
