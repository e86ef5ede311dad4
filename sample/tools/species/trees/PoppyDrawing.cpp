#include "PoppyDrawing.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <random>
#include <vector>

#include "BotanyKit.h"
#include "DrawingKit.h"
#include "PoppyFlowerPainter.h"

namespace sylvenor::draw {

namespace {

const QColor kStem(104, 140, 62);
const QColor kLeaf(92, 132, 58);
const QColor kHair(176, 190, 146);
const QPointF kFoot(490, 664);

}  // namespace

// The leaf lies along +x from its base; y is across it. Narrow toothed lobes point forwards,
// separated by cuts that reach almost to the midrib.
QPolygonF PoppyDrawing::leafOutline(qreal length, unsigned seed) {
  std::mt19937 random(seed);
  const qreal width = length * 0.24;
  const int lobes = 6;
  const qreal span = 0.84 / lobes;
  QPolygonF sides[2];
  for (int s = 0; s < 2; ++s) {
    const qreal side = s == 0 ? -1 : 1;
    QPolygonF& points = sides[s];
    points << QPointF(0, side * width * 0.05);
    for (int j = 0; j < lobes; ++j) {
      const qreal u0 = 0.1 + j * span;
      const qreal reach = width * (0.45 + 0.55 * std::sin(3.0 * (u0 + span / 2))) *
                          BotanyKit::uniform(random, 0.85, 1.1);
      points << QPointF(length * u0, side * width * 0.07)
             << QPointF(length * (u0 + span * 0.22), side * reach * 0.42)
             << QPointF(length * (u0 + span * 0.18), side * reach * 0.62)
             << QPointF(length * (u0 + span * 0.45), side * reach * 0.7)
             << QPointF(length * (u0 + span * 0.88), side * reach)
             << QPointF(length * (u0 + span * 0.74), side * reach * 0.64)
             << QPointF(length * (u0 + span * 0.96), side * reach * 0.52)
             << QPointF(length * (u0 + span * 0.86), side * reach * 0.3);
    }
    points << QPointF(length * 0.95, side * width * 0.12);
  }
  QPolygonF outline = sides[0];
  outline << QPointF(length * 1.02, 0);
  for (auto point = sides[1].crbegin(); point != sides[1].crend(); ++point) outline << *point;
  return outline;
}

void PoppyDrawing::paintLeaf(QPainter& painter, const Leaf& leaf) {
  QPolygonF outline = leafOutline(leaf.length, leaf.seed);
  for (QPointF& point : outline) {
    point.ry() += leaf.bend * std::pow(point.x() / leaf.length, 2) * leaf.length;
  }
  const QTransform placement = BotanyKit::placement(kFoot, leaf.angle);
  QPainterPath shape = DrawingKit::smoothOpen(placement.map(outline));
  shape.closeSubpath();
  BotanyKit::castShadow(painter, shape, QPointF(4, 6));
  BotanyKit::paintOrgan(painter, shape, kLeaf.darker(100 + int(leaf.seed) * 3), 0.9);
  const QPainterPath midrib =
      placement.map(BotanyKit::curve({0, 0}, {leaf.length * 0.5, leaf.bend * 0.25 * leaf.length},
                                     {leaf.length * 0.95, leaf.bend * 0.9 * leaf.length}));
  DrawingKit::outline(painter, midrib, kLeaf.lighter(140), 2.2);
  if (!DrawingKit::isEnlarged(painter)) return;
  std::mt19937 random(leaf.seed + 40);
  for (int i = 0; i < 60; ++i) {
    const qreal t = BotanyKit::uniform(random, 0, 1);
    const QPointF root = shape.pointAtPercent(t);
    const QPointF tip = root - BotanyKit::normalAt(shape, t) * 5;
    DrawingKit::outline(painter, BotanyKit::curve(root, (root + tip) / 2, tip), kHair, 0.6);
  }
}

// Poppy stems bristle with stiff hairs standing out at right angles.
void PoppyDrawing::paintHairyStem(QPainter& painter, const QPainterPath& spine, qreal startWidth,
                                  qreal endWidth, unsigned seed) {
  std::mt19937 random(seed);
  const int hairs = int(spine.length() / (DrawingKit::isEnlarged(painter) ? 5 : 8));
  for (int i = 0; i < hairs; ++i) {
    const qreal t = (i + BotanyKit::uniform(random, 0, 1)) / hairs;
    const qreal side = i % 2 ? 1 : -1;
    const qreal width = startWidth + (endWidth - startWidth) * t;
    const QPointF normal = BotanyKit::normalAt(spine, t) * side;
    const QPointF root = spine.pointAtPercent(t) + normal * (width * 0.4);
    const QPointF tip = root + normal * BotanyKit::uniform(random, 8, 13) +
                        BotanyKit::tangentAt(spine, t) * BotanyKit::uniform(random, 0, 3);
    DrawingKit::outline(painter, BotanyKit::curve(root, (root + tip) / 2, tip), kHair, 1.0);
  }
  BotanyKit::paintStem(painter, spine, startWidth, endWidth, kStem);
}

void PoppyDrawing::paint(QPainter& painter) {
  const QPainterPath flowerStem = BotanyKit::curve(kFoot, {520, 520}, {450, 400}, {470, 285});
  const QPainterPath capsuleStem = BotanyKit::curve(kFoot, {440, 520}, {240, 430}, {200, 282});
  QPainterPath budStem = BotanyKit::curve(kFoot, {560, 520}, {770, 380}, {790, 190});
  budStem.cubicTo({796, 150}, {836, 140}, {838, 200});
  const std::vector<Leaf> leaves = {
      {-166, 255, 0.1, 1},  {-16, 250, -0.1, 2}, {-136, 210, 0.12, 3},
      {-46, 205, -0.12, 4}, {174, 190, 0.05, 5},
  };
  for (const Leaf& leaf : leaves) paintLeaf(painter, leaf);
  paintHairyStem(painter, capsuleStem, 8, 6, 11);
  paintHairyStem(painter, budStem, 8, 5, 12);
  paintHairyStem(painter, flowerStem, 9, 7, 13);
  PoppyFlowerPainter::paintCapsule(painter, capsuleStem.pointAtPercent(1), 118);
  PoppyFlowerPainter::paintBud(painter, budStem.pointAtPercent(1), 92, 92);
  PoppyFlowerPainter::paintFlower(painter, flowerStem.pointAtPercent(1), 200, 0.84);
}

}  // namespace sylvenor::draw
