#include "BarkPiece.h"

#include <QPainter>
#include <QtMath>

#include "LowPlantKit.h"

namespace sylvenor::draw {

using Kit = LowPlantKit;

namespace {

// Grey bark whose broken edge shows below it as a brown band.
const Kit::Slab kSlab{.shadowShift = 10,
                      .shadowDrop = 0.44,
                      .shadowAlpha = 80,
                      .sideOffset = QPointF(0, 12),
                      .side = QColor(110, 88, 64),
                      .sideEdge = QColor(60, 48, 36),
                      .sideEdgeWidth = 1.2,
                      .lit = QColor(168, 164, 154),
                      .shaded = QColor(120, 116, 108),
                      .edge = QColor(78, 74, 68),
                      .edgeWidth = 1.4};

}  // namespace

QPainterPath BarkPiece::outline(const QRectF& area, std::uint32_t seed) {
  // A broken-off slab: long, roughly straight sides and ragged ends.
  Kit::Random random(seed);
  QVector<QPointF> points;
  const int along = 8;
  for (int i = 0; i <= along; ++i) {
    points << QPointF(area.left() + area.width() * i / along,
                      area.top() + Kit::uniform(random, -8, 8));
  }
  points << QPointF(area.right() + Kit::uniform(random, -10, 10), area.center().y());
  for (int i = along; i >= 0; --i) {
    points << QPointF(area.left() + area.width() * i / along,
                      area.bottom() + Kit::uniform(random, -8, 8));
  }
  points << QPointF(area.left() + Kit::uniform(random, -10, 10), area.center().y());
  return Kit::smoothClosed(points);
}

void BarkPiece::paint(QPainter& painter, const QPainterPath& outline, std::uint32_t seed,
                      bool detailed) {
  Kit::slab(painter, outline, kSlab,
            [&](QPainter& p, const QRectF& box) { paintFissures(p, box, seed, detailed); });
}

void BarkPiece::paintFissures(QPainter& painter, const QRectF& box, std::uint32_t seed,
                              bool detailed) {
  // Long furrows that swell, pinch and wander, leaving raised plates between them.
  Kit::Random random(seed * 13 + 7);
  const int furrows = 11;
  for (int i = 0; i < furrows; ++i) {
    const qreal y = box.top() + box.height() * (i + Kit::uniform(random, 0.25, 0.75)) / furrows;
    const qreal start = box.left() + Kit::uniform(random, -60, box.width() * 0.35);
    const qreal length = Kit::uniform(random, box.width() * 0.45, box.width());
    QVector<QPointF> spine;
    for (int k = 0; k <= 12; ++k) {
      spine << QPointF(start + length * k / 12, y + Kit::uniform(random, -9, 9));
    }
    const qreal phase = Kit::uniform(random, 0, 6);
    const qreal widest = Kit::uniform(random, 5, 12);
    const QPainterPath furrow = Kit::ribbon(spine, [phase, widest](qreal t) {
      return 1.5 + widest * qAbs(qSin(t * 7 + phase)) * qSin(t * M_PI);
    });
    painter.fillPath(furrow.translated(0, 3), QColor(214, 210, 200, 90));
    painter.fillPath(furrow, QColor(58, 52, 46, 220));
  }
  for (int i = 0; i < 26; ++i) {
    const QPointF at = Kit::pointIn(random, box);
    const QPointF end = at + QPointF(Kit::uniform(random, -8, 8), Kit::uniform(random, 14, 34));
    Kit::outline(painter, Kit::smoothOpen({at, (at + end) / 2 + QPointF(4, 0), end}),
                 QColor(66, 60, 52, 160), Kit::uniform(random, 1.2, 3));
  }
  painter.setPen(Qt::NoPen);
  const int grains = detailed ? 2600 : 1100;
  for (int i = 0; i < grains; ++i) {
    const QPointF at = Kit::pointIn(random, box);
    painter.setBrush(Kit::chance(random, 0.5) ? QColor(210, 206, 196, 70) : QColor(70, 66, 58, 60));
    painter.drawEllipse(at, Kit::uniform(random, 0.8, 2.4), Kit::uniform(random, 0.6, 1.4));
  }
}

}  // namespace sylvenor::draw
