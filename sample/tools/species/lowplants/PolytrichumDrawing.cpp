#include "PolytrichumDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

#include "LowPlantKit.h"

namespace sylvenor::draw {

using Kit = LowPlantKit;

namespace {

constexpr int kLeavesPerShoot = 72;
// The golden angle spreads the leaves all round the stem, as in the living plant.
constexpr qreal kDivergence = 137.5;

}  // namespace

void PolytrichumDrawing::paint(QPainter& painter) {
  const bool detailed = Kit::isEnlarged(painter);
  // Uneven heights and spacing, as in a natural tuft; the setae rise from the tallest shoots.
  const QVector<Shoot> shoots{{{378, 620}, -18, 215, 0, false},  {{622, 622}, 17, 228, 0, false},
                              {{428, 628}, -11, 268, 205, true}, {{584, 628}, 12, 250, 178, false},
                              {{458, 634}, -5, 252, 0, false},   {{546, 630}, 6, 288, 0, false},
                              {{500, 636}, -1, 305, 178, true}};
  Kit::Random random(2024);
  for (const Shoot& shoot : shoots) {
    Kit::rhizoids(painter, shoot.base + QPointF(0, -4), 22, 95, 16, random);
  }
  for (const Shoot& shoot : shoots) paintShoot(painter, shoot, detailed);
  for (const Shoot& shoot : shoots) {
    if (shoot.setaLength > 0) paintSeta(painter, shoot, stemSpine(shoot).last(), detailed);
  }
}

QVector<QPointF> PolytrichumDrawing::stemSpine(const Shoot& shoot) {
  const QPointF top = Kit::polar(shoot.base, shoot.height, -90 + shoot.lean);
  const QPointF bend = Kit::polar(shoot.base, shoot.height * 0.5, -90 + shoot.lean * 0.6);
  return Kit::curve(shoot.base, bend, top, 24);
}

void PolytrichumDrawing::paintShoot(QPainter& painter, const Shoot& shoot, bool detailed) {
  const QVector<QPointF> spine = stemSpine(shoot);
  paintLeaves(painter, spine, false, detailed);
  const QPainterPath stem = Kit::ribbon(spine, [](qreal t) { return 7 - 3 * t; });
  Kit::fillOutlined(painter, stem, QColor(118, 62, 36), QColor(70, 36, 20), 1);
  paintLeaves(painter, spine, true, detailed);
}

void PolytrichumDrawing::paintLeaves(QPainter& painter, const QVector<QPointF>& spine, bool front,
                                     bool detailed) {
  const int last = int(spine.size()) - 1;
  // Seeded by the shoot, so that the back and front passes draw the same leaves.
  Kit::Random random(std::uint32_t(spine.first().x()));
  for (int i = 0; i < kLeavesPerShoot; ++i) {
    const qreal jitter = Kit::uniform(random, -1, 1);
    const qreal s = 0.05 + 0.95 * i / (kLeavesPerShoot - 1);
    const qreal exact = s * last;
    const int index = qMin(int(exact), last - 1);
    const QPointF base = spine[index] + (spine[index + 1] - spine[index]) * (exact - index);
    const QPointF axis = spine[index + 1] - spine[index];
    const qreal axisLength = qSqrt(QPointF::dotProduct(axis, axis));
    const QPointF up = axis / axisLength;
    const QPointF side(-up.y(), up.x());
    const qreal around = qDegreesToRadians(i * kDivergence);
    const qreal depth = qSin(around);
    if ((depth > 0) != front) continue;
    // Leaves spread wide along the stem and close into a bud at its tip.
    const qreal spreadDegrees = (s > 0.8 ? 62 - (s - 0.8) * 180 : 62) + jitter * 7;
    const qreal spread = qDegreesToRadians(spreadDegrees);
    const qreal length =
        (s < 0.14 ? 26 : 64) * qBound(0.42, (1.06 - s) / 0.32, 1.0) * (1 + jitter * 0.1);
    const QPointF direction = up * qCos(spread) + side * (qSin(spread) * qCos(around));
    paintLeaf(painter, base, base + direction * length, s, depth, detailed);
  }
}

void PolytrichumDrawing::paintLeaf(QPainter& painter, QPointF base, QPointF tip, qreal position,
                                   qreal depth, bool detailed) {
  const QPointF middle = (base + tip) / 2 + (tip - base) * 0.08 + QPointF(0, -3);
  const QVector<QPointF> spine = Kit::curve(base, middle, tip, 8);
  const QPainterPath leaf = Kit::ribbon(spine, [](qreal t) {
    if (t < 0.15) return 7.5 - 18 * t;
    return t < 0.6 ? 4.8 : 4.8 * (1 - t) / 0.4;
  });
  QColor colour = position < 0.14 ? QColor(120, 88, 46)
                                  : Kit::mix(QColor(34, 82, 34), QColor(78, 132, 46), position);
  colour = Kit::mix(colour, QColor(16, 34, 18), qMax(0.0, -depth) * 0.45);
  QLinearGradient shade(base, tip);
  shade.setColorAt(0, position < 0.14 ? colour : QColor(128, 118, 62));
  shade.setColorAt(0.16, colour);
  shade.setColorAt(1, colour.lighter(118));
  Kit::fillOutlined(painter, leaf, shade, colour.darker(170), 0.7);
  if (detailed && depth > 0) {
    Kit::outline(painter, Kit::smoothOpen(spine.mid(1, 6)),
                 Kit::withAlpha(colour.lighter(150), 150), 0.7);
  }
}

void PolytrichumDrawing::paintSeta(QPainter& painter, const Shoot& shoot, QPointF top,
                                   bool detailed) {
  const qreal sway = shoot.lean * 1.4;
  const QPointF end = Kit::polar(top, shoot.setaLength, -90 + sway);
  const QPointF bend = Kit::polar(top, shoot.setaLength * 0.55, -90 + shoot.lean * 0.3);
  const QVector<QPointF> spine = Kit::curve(top + QPointF(0, 10), bend, end, 20);
  QLinearGradient shade(top, end);
  shade.setColorAt(0, QColor(128, 42, 26));
  shade.setColorAt(1, QColor(190, 96, 44));
  Kit::fillOutlined(painter, Kit::ribbon(spine, [](qreal t) { return 4.6 - 1.2 * t; }), shade,
                    QColor(90, 30, 18), 0.9);
  Kit::outline(painter, Kit::smoothOpen(spine).translated(-0.8, 0), QColor(240, 170, 120, 110),
               0.9);
  painter.save();
  painter.translate(end);
  // A capsule stands erect under its cap, and leans over once the cap has fallen.
  const qreal side = shoot.lean < 0 ? -1 : 1;
  painter.rotate(shoot.capped ? sway * 0.6 : side * 62);
  painter.scale(1.3, 1.3);
  paintCapsule(painter, detailed);
  if (shoot.capped) paintCalyptra(painter, detailed);
  painter.restore();
}

void PolytrichumDrawing::paintCapsule(QPainter& painter, bool detailed) {
  // Seen across one edge of the four-sided box: a lit face and a shaded face.
  const QPainterPath apophysis =
      Kit::smoothClosed({{-6, 0}, {0, 2}, {6, 0}, {8, -6}, {0, -9}, {-8, -6}});
  Kit::fillOutlined(painter, apophysis, QColor(120, 70, 32), QColor(70, 38, 18), 0.8);
  const QPainterPath litFace =
      Kit::smoothClosed({{-12, -7}, {-13, -30}, {-12, -50}, {3, -52}, {4, -30}, {3, -7}});
  const QPainterPath shadedFace =
      Kit::smoothClosed({{3, -7}, {4, -30}, {3, -52}, {11, -49}, {12, -30}, {10, -8}});
  QLinearGradient lit(-12, 0, 4, 0);
  lit.setColorAt(0, QColor(198, 152, 76));
  lit.setColorAt(1, QColor(170, 122, 54));
  Kit::fillOutlined(painter, litFace, lit, QColor(96, 60, 24), 0.9);
  Kit::fillOutlined(painter, shadedFace, QColor(126, 84, 36), QColor(80, 50, 20), 0.9);
  const QPainterPath lid =
      Kit::smoothClosed({{-12, -50}, {-4, -57}, {0, -67}, {3, -57}, {11, -49}, {0, -52}});
  Kit::fillOutlined(painter, lid, QColor(150, 72, 36), QColor(86, 40, 20), 0.8);
  if (detailed) {
    Kit::outline(painter, Kit::smoothOpen({{-8, -10}, {-9, -30}, {-8, -47}}),
                 QColor(255, 235, 190, 110), 1.2);
  }
}

void PolytrichumDrawing::paintCalyptra(QPainter& painter, bool detailed) {
  const QPainterPath hood = Kit::smoothClosed({{0, -100},
                                               {6, -86},
                                               {13, -62},
                                               {16, -36},
                                               {15, -12},
                                               {0, -8},
                                               {-15, -12},
                                               {-16, -36},
                                               {-13, -62},
                                               {-6, -86}});
  QLinearGradient gold(-16, 0, 16, 0);
  gold.setColorAt(0, QColor(238, 204, 120));
  gold.setColorAt(0.5, QColor(212, 160, 74));
  gold.setColorAt(1, QColor(150, 102, 42));
  Kit::fillOutlined(painter, hood, gold, QColor(150, 104, 42, 160), 0.6);
  // A felt of long hairs hangs from the cap and wraps the capsule down to its foot.
  Kit::Random random(77);
  const int hairs = detailed ? 220 : 110;
  for (int i = 0; i < hairs; ++i) {
    const qreal along = Kit::uniform(random, -1, 1);
    const qreal height = Kit::uniform(random, -92, -30);
    const qreal halfWidth = 3 + (height + 100) * 0.19;
    const QPointF start(along * halfWidth, height);
    const QPointF end(along * 13 + Kit::uniform(random, -2, 2), Kit::uniform(random, -4, 6));
    const QPointF middle = (start + end) / 2 + QPointF(along * 3, 0);
    const int tone = int(Kit::uniform(random, 0, 3));
    const QColor hair = tone == 0   ? QColor(250, 222, 140, 210)
                        : tone == 1 ? QColor(196, 140, 60, 200)
                                    : QColor(130, 84, 34, 170);
    Kit::outline(painter, Kit::smoothOpen({start, middle, end}), hair, detailed ? 0.55 : 0.8);
  }
}

}  // namespace sylvenor::draw
