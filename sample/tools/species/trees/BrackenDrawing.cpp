#include "BrackenDrawing.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <random>

#include "BotanyKit.h"
#include "DrawingKit.h"
#include "FernKit.h"

namespace sylvenor::draw {

namespace {

const QColor kLeaf(92, 146, 54);
const QColor kUnderside(150, 172, 104);
const QColor kSpores(128, 72, 30);
const QColor kStraw(168, 166, 92);
const QColor kRhizome(36, 30, 27);
const QColor kRoot(70, 52, 40);

const QPointF kLaminaBase(496, 402);
const QPointF kStalkFoot(470, 646);

QPainterPath spineOf(QPointF base, qreal angle, qreal length, qreal curl) {
  return BotanyKit::curve(base, base + BotanyKit::polar(angle, length * 0.5),
                          base + BotanyKit::polar(angle + curl * 0.6, length));
}

}  // namespace

void BrackenDrawing::paintBlade(QPainter& painter, const Axis& axis, qreal widthRatio,
                                qreal lobeLength, Mark mark) {
  const QPainterPath midrib = spineOf(axis.base, axis.angle, axis.length, axis.curl);
  const int lobes = std::clamp(int(axis.length / lobeLength), 1, 14);
  const FernKit::Blade blade =
      FernKit::lobedBlade(midrib, axis.length * widthRatio, lobes, lobes > 1 ? 0.72 : 0);
  const bool fine = DrawingKit::isEnlarged(painter);
  if (mark == Mark::Turned) {
    painter.fillPath(blade.outline.translated(1.5, 2.5), QColor(0, 0, 0, 50));
    painter.fillPath(blade.outline, kUnderside);
    DrawingKit::outline(painter, blade.outline, kSpores, 2.4);
    if (fine) DrawingKit::outline(painter, blade.outline, kSpores.lighter(160), 0.6);
    DrawingKit::outline(painter, midrib, kUnderside.darker(130), 1.2);
    return;
  }
  const QColor colour = kLeaf.darker(96 + int(axis.base.x() + axis.base.y()) % 12);
  painter.fillPath(blade.outline, colour);
  DrawingKit::outline(painter, blade.outline, colour.darker(155), 0.5);
  DrawingKit::outline(painter, midrib, colour.lighter(125), 0.8);
  if (!fine) return;
  for (const QLineF& vein : blade.lobeVeins) {
    DrawingKit::outline(painter, BotanyKit::curve(vein.p1(), vein.center(), vein.p2()),
                        colour.lighter(118), 0.4);
  }
}

void BrackenDrawing::paintPinna(QPainter& painter, const Axis& axis, bool chosen) {
  if (axis.length < 110) {
    paintBlade(painter, axis, 0.17, 15, Mark::None);
    return;
  }
  const QPainterPath costa = spineOf(axis.base, axis.angle, axis.length, axis.curl);
  const int pairs = std::clamp(int(axis.length * 0.8 / 15), 3, 18);
  auto pinnuleAt = [&](int i, int side, qreal twist) {
    const qreal at = 0.03 + 0.8 * (i + (side > 0 ? 0.35 : 0)) / pairs;
    return Axis{costa.pointAtPercent(at),
                BotanyKit::angleOf(BotanyKit::tangentAt(costa, at)) + side * (64 + twist),
                axis.length * 0.27 * std::pow(1 - at, 0.75), -side * 8.0};
  };
  for (int i = pairs - 1; i >= 0; --i) {
    for (int side : {-1, 1}) {
      if (!(chosen && i == 1 && side > 0)) {
        paintBlade(painter, pinnuleAt(i, side, 0), 0.25, 7.5, Mark::None);
      }
    }
  }
  // The turned pinnule is drawn last, a little apart, so that nothing hides its spores.
  if (chosen) paintBlade(painter, pinnuleAt(1, 1, 14), 0.25, 7.5, Mark::Turned);
  paintBlade(painter,
             {costa.pointAtPercent(0.84), BotanyKit::angleOf(BotanyKit::tangentAt(costa, 0.84)),
              axis.length * 0.15, 0},
             0.18, 10, Mark::None);
  BotanyKit::paintStem(painter, costa, 3.2, 1.0, kStraw.darker(112));
}

void BrackenDrawing::paintFrond(QPainter& painter) {
  const QPainterPath rachis = spineOf(kLaminaBase, -88, 370, 6);
  const int pairs = 6;
  for (int i = pairs - 1; i >= 0; --i) {
    for (int side : {-1, 1}) {
      const qreal at = 0.03 + 0.78 * (i + (side > 0 ? 0.12 : 0)) / pairs;
      const qreal spread = 82 - 24 * at;
      const Axis pinna{rachis.pointAtPercent(at),
                       BotanyKit::angleOf(BotanyKit::tangentAt(rachis, at)) + side * spread,
                       405 * std::pow(1 - at, 1.2), side * 8.0};
      paintPinna(painter, pinna, i == 0 && side > 0);
    }
  }
  paintBlade(painter,
             {rachis.pointAtPercent(0.84), BotanyKit::angleOf(BotanyKit::tangentAt(rachis, 0.84)),
              370 * 0.17, 0},
             0.2, 13, Mark::None);
  BotanyKit::paintStem(painter, rachis, 7, 2, kStraw);
}

void BrackenDrawing::paintStalk(QPainter& painter) {
  const QPainterPath stalk = BotanyKit::curve(kStalkFoot, {482, 560}, {490, 470}, kLaminaBase);
  BotanyKit::paintStem(painter, stalk, 13, 8, kStraw);
  QPainterPath buried(kStalkFoot);
  buried.cubicTo({474, 620}, {478, 590}, {480, 566});
  BotanyKit::paintStem(painter, buried, 13, 11, kRhizome.lighter(140));
}

void BrackenDrawing::paintUnderground(QPainter& painter) {
  const QPainterPath rhizome = DrawingKit::smoothOpen(
      QPolygonF{{70, 664}, {220, 650}, {380, 664}, {540, 652}, {700, 668}, {880, 654}, {930, 646}});
  const QPainterPath branch =
      DrawingKit::smoothOpen(QPolygonF{{610, 660}, {680, 690}, {770, 700}, {840, 694}});
  FernKit::paintRootFringe(painter, rhizome, 26, 68, kRoot, 61);
  FernKit::paintRootFringe(painter, branch, 9, 40, kRoot, 62);
  BotanyKit::paintStem(painter, branch, 16, 12, kRhizome);
  BotanyKit::paintStem(painter, rhizome, 24, 16, kRhizome);
  const QPainterPath stump = BotanyKit::curve({230, 652}, {226, 630}, {232, 612});
  BotanyKit::paintStem(painter, stump, 11, 9, kRhizome.lighter(130));
  FernKit::paintScales(painter, rhizome, 12, DrawingKit::isEnlarged(painter) ? 260 : 90,
                       QColor(64, 52, 42), 63);
}

void BrackenDrawing::paint(QPainter& painter) {
  paintUnderground(painter);
  paintStalk(painter);
  paintFrond(painter);
}

}  // namespace sylvenor::draw
