#include "OakDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <random>
#include <vector>

#include "AcornPainter.h"
#include "BotanyKit.h"
#include "ConiferParts.h"
#include "DrawingKit.h"

namespace sylvenor::draw {

namespace {

constexpr qreal kPi = 3.14159265358979323846;
const QColor kLeaf(70, 108, 42);
const QColor kVein(176, 190, 112);
const QColor kBark(122, 104, 86);
const QColor kBud(150, 98, 58);
const QColor kStalk(112, 118, 70);

// Obovate: narrow near the stalk, widest two thirds of the way to the tip.
qreal leafWidthAt(qreal along) {
  if (along < 0.66) return 0.32 + 0.68 * std::sin(along / 0.66 * kPi / 2);
  return 0.2 + 0.8 * std::pow(std::cos((along - 0.66) / 0.34 * kPi / 2), 0.7);
}

}  // namespace

// The leaf lies along +x from its base; y is across it. Lobes alternate with deep rounded
// sinuses, and two small ears fold back beside the stalk.
QPolygonF OakDrawing::leafOutline(qreal length, unsigned seed, QPolygonF& veinTips) {
  std::mt19937 random(seed);
  const qreal width = length * 0.32;
  QPolygonF sides[2];
  for (int s = 0; s < 2; ++s) {
    const qreal side = s == 0 ? -1 : 1;
    QPolygonF& points = sides[s];
    points << QPointF(length * 0.01, side * width * 0.05)
           << QPointF(-length * 0.02, side * width * 0.2)
           << QPointF(length * 0.03, side * width * 0.27)
           << QPointF(length * 0.08, side * width * 0.12);
    const int lobes = 5;
    const qreal span = 0.7 / lobes;
    for (int j = 0; j < lobes; ++j) {
      const qreal centre = 0.13 + span * (j + 0.5) + BotanyKit::uniform(random, -0.012, 0.012);
      const qreal reach = width * leafWidthAt(centre) * BotanyKit::uniform(random, 0.88, 1.06);
      const qreal sinus =
          width * leafWidthAt(centre + span / 2) * BotanyKit::uniform(random, 0.3, 0.45);
      points << QPointF(length * (centre - span * 0.4), side * reach * 0.66)
             << QPointF(length * (centre - span * 0.26), side * reach * 0.92)
             << QPointF(length * centre, side * reach)
             << QPointF(length * (centre + span * 0.22), side * reach * 0.92)
             << QPointF(length * (centre + span * 0.36), side * reach * 0.66)
             << QPointF(length * (centre + span * 0.5), side * sinus);
      veinTips << QPointF(length * centre, side * reach * 0.88);
    }
    // The end of the blade is one rounded lobe.
    points << QPointF(length * 0.87, side * width * 0.34)
           << QPointF(length * 0.94, side * width * 0.3)
           << QPointF(length * 0.985, side * width * 0.16);
  }
  QPolygonF outline = sides[0];
  outline << QPointF(length, 0);
  for (auto point = sides[1].crbegin(); point != sides[1].crend(); ++point) outline << *point;
  return outline;
}

void OakDrawing::paintLeaf(QPainter& painter, const QPainterPath& twig, const Leaf& leaf) {
  const QPointF joint = twig.pointAtPercent(leaf.attach);
  const QPointF base = joint + BotanyKit::polar(leaf.angle, 14);
  BotanyKit::paintStem(painter, BotanyKit::curve(joint, (joint + base) / 2, base), 4.5, 3.5,
                       kStalk);
  QPolygonF veinTips;
  QPolygonF outline = leafOutline(leaf.length, leaf.seed, veinTips);
  auto bent = [&](QPointF p) {
    return QPointF(p.x(), p.y() + leaf.bend * std::pow(p.x() / leaf.length, 2) * leaf.length);
  };
  for (QPointF& point : outline) point = bent(point);
  const QTransform placement = BotanyKit::placement(base, leaf.angle);
  QPainterPath shape = DrawingKit::smoothOpen(outline);
  shape.closeSubpath();
  shape = placement.map(shape);
  BotanyKit::castShadow(painter, shape, QPointF(5, 8));
  const QColor colour = kLeaf.darker(96 + int(leaf.seed % 4) * 4);
  BotanyKit::paintOrgan(painter, shape, colour, 0);
  painter.save();
  painter.setClipPath(shape);
  const QPainterPath midrib = placement.map(
      BotanyKit::curve({0, 0}, bent({leaf.length * 0.5, 0}), bent({leaf.length * 0.96, 0})));
  for (const QPointF& tip : veinTips) {
    const QPointF from = bent({tip.x() - leaf.length * 0.1, 0});
    const QPointF to = bent(tip);
    DrawingKit::outline(
        painter,
        placement.map(BotanyKit::curve(from, (from + to) / 2 + QPointF(leaf.length * 0.03, 0), to)),
        kVein, 1.1);
  }
  painter.restore();
  DrawingKit::outline(painter, midrib, kVein, 2.4);
  DrawingKit::outline(painter, shape, colour.darker(170), 0.9);
}

void OakDrawing::paintTwig(QPainter& painter, const QPainterPath& twig) {
  BotanyKit::paintStem(painter, twig, 20, 10, kBark);
  ConiferParts::paintMarks(painter, twig, 18, 26, QColor(196, 182, 150), 101);
  ConiferParts::paintCutEnd(painter, twig, 20, kBark.darker(120));
  ConiferParts::paintBuds(painter, twig, 20, kBud);
}

void OakDrawing::paintAcorns(QPainter& painter, const QPainterPath& twig) {
  const QPointF joint = twig.pointAtPercent(0.8);
  const QPainterPath peduncle = BotanyKit::curve(
      joint, joint + QPointF(80, 20), joint + QPointF(170, 80), joint + QPointF(250, 150));
  const QPointF fork = peduncle.pointAtPercent(0.74);
  const QPointF side = fork + QPointF(-18, 20);
  BotanyKit::paintStem(painter, BotanyKit::curve(fork, fork + QPointF(-8, 6), side), 4.5, 4,
                       kStalk);
  BotanyKit::paintStem(painter, peduncle, 6, 4.5, kStalk);
  AcornPainter::paintWhole(painter, side, 108, 92);
  AcornPainter::paintHalved(painter, peduncle.pointAtPercent(1), 70, 96);
}

void OakDrawing::paint(QPainter& painter) {
  const QPainterPath twig = BotanyKit::curve({190, 640}, {280, 560}, {400, 440}, {510, 350});
  const std::vector<Leaf> leaves = {
      {1.0, -92, 280, -0.05, 1}, {0.9, -138, 275, -0.08, 2}, {0.96, -48, 280, 0.06, 3},
      {0.7, -178, 245, -0.1, 4}, {0.8, -8, 262, 0.08, 5},
  };
  painter.save();
  painter.translate(-78, -25);
  painter.scale(1.1, 1.1);
  paintAcorns(painter, twig);
  paintTwig(painter, twig);
  for (const Leaf& leaf : leaves) paintLeaf(painter, twig, leaf);
  painter.restore();
}

}  // namespace sylvenor::draw
