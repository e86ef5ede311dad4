#include "YewDrawing.h"

#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <vector>

#include "BotanyKit.h"
#include "ConiferBranch.h"
#include "ConiferParts.h"
#include "DrawingKit.h"

namespace sylvenor::draw {

namespace {

const QColor kUpperSide(38, 74, 36);
const QColor kUnderSide(118, 142, 66);
const QColor kYoungShoot(104, 136, 58);
const QColor kOldTwig(122, 84, 56);
const QColor kAril(214, 34, 40);
const QColor kSeed(70, 62, 40);

// Last year's wood is brown; this year's shoots are still green.
QPainterPath oldWood() { return BotanyKit::curve({110, 600}, {250, 540}, {380, 470}, {480, 418}); }

std::vector<ConiferShoot> shoots() {
  return {
      {BotanyKit::curve({470, 424}, {600, 350}, {740, 270}, {880, 215}), 10, 5, 0.04, 24, 50},
      {BotanyKit::curve({232, 545}, {270, 460}, {320, 390}, {400, 320}), 9, 5, 0.1, 13, 51},
      {BotanyKit::curve({372, 472}, {450, 520}, {510, 560}, {600, 590}), 9, 5, 0.1, 14, 52},
      {BotanyKit::curve({600, 353}, {620, 290}, {650, 220}, {700, 148}), 8, 5, 0.1, 14, 53},
      {BotanyKit::curve({740, 272}, {790, 320}, {840, 370}, {905, 410}), 8, 5, 0.1, 12, 54},
  };
}

// Outline of a flat needle: a short stalk, parallel edges, then an abrupt point.
QPolygonF needleOutline(const QPainterPath& spine, qreal width) {
  QPolygonF left;
  QPolygonF right;
  const int steps = 14;
  for (int i = 0; i <= steps; ++i) {
    const qreal t = qreal(i) / steps;
    const qreal half = width / 2 * (t < 0.12 ? 0.35 + t * 4 : t > 0.82 ? (1 - t) / 0.18 : 1.0);
    const QPointF normal = BotanyKit::normalAt(spine, t);
    left << spine.pointAtPercent(t) + normal * std::min(half, width / 2);
    right << spine.pointAtPercent(t) - normal * std::min(half, width / 2);
  }
  for (auto point = right.crbegin(); point != right.crend(); ++point) left << *point;
  return left;
}

}  // namespace

void YewDrawing::paintNeedle(QPainter& painter, QPointF base, qreal angle, qreal length,
                             bool underside) {
  const QPointF tip = base + BotanyKit::polar(angle, length);
  const QPointF control = base + BotanyKit::polar(angle - 6, length * 0.55);
  const QPainterPath spine = BotanyKit::curve(base, control, tip);
  QPainterPath shape;
  shape.addPolygon(needleOutline(spine, length * 0.1));
  shape.closeSubpath();
  const QColor colour = underside ? kUnderSide : kUpperSide;
  painter.fillPath(shape.translated(1.2, 1.8), QColor(0, 0, 0, 40));
  BotanyKit::paintOrgan(painter, shape, colour, 0.6);
  const QPainterPath midrib =
      BotanyKit::curve(spine.pointAtPercent(0.1), control, spine.pointAtPercent(0.86));
  if (underside) {
    if (!DrawingKit::isEnlarged(painter)) return;
    DrawingKit::outline(painter, midrib.translated(BotanyKit::polar(angle + 90, length * 0.025)),
                        QColor(170, 184, 104), length * 0.025);
    DrawingKit::outline(painter, midrib.translated(BotanyKit::polar(angle - 90, length * 0.025)),
                        QColor(170, 184, 104), length * 0.025);
    return;
  }
  DrawingKit::outline(painter, midrib, colour.lighter(150), length * 0.016);
  DrawingKit::outline(painter, midrib.translated(BotanyKit::polar(angle - 90, length * 0.02)),
                      QColor(255, 255, 255, 45), length * 0.018);
}

void YewDrawing::paintNeedleRows(QPainter& painter, const QPainterPath& spine, qreal from,
                                 int pairs, unsigned seed) {
  std::mt19937 random(seed);
  for (int i = 0; i < pairs * 2; ++i) {
    const qreal t = from + (1 - from) * (i + 0.5) / (pairs * 2);
    const qreal side = i % 2 ? 1 : -1;
    const qreal shootAngle = BotanyKit::angleOf(BotanyKit::tangentAt(spine, t));
    const qreal angle = shootAngle + side * (72 - 25 * std::max(0.0, t - 0.75) * 4) +
                        BotanyKit::uniform(random, -6, 6);
    const qreal length =
        82 * (t > 0.7 ? 1 - (t - 0.7) * 1.4 : 1) * BotanyKit::uniform(random, 0.88, 1.05);
    const QPointF base = spine.pointAtPercent(t) + BotanyKit::polar(angle, 3);
    paintNeedle(painter, base, angle, length, BotanyKit::uniform(random, 0, 1) < 0.08);
  }
}

void YewDrawing::paintAril(QPainter& painter, QPointF joint, qreal angle) {
  const qreal radius = 27;
  const qreal height = 58;
  const QPointF stalkEnd = joint + BotanyKit::polar(angle, 12);
  BotanyKit::paintStem(painter, BotanyKit::curve(joint, (joint + stalkEnd) / 2, stalkEnd), 5, 4,
                       kYoungShoot);
  painter.save();
  painter.translate(stalkEnd);
  painter.rotate(angle - 90);
  const QPainterPath cup = BotanyKit::curve({0, 0}, {-radius * 1.5, height * 0.2},
                                            {-radius * 1.3, height * 0.95}, {0, height});
  QPainterPath body = cup;
  body.cubicTo({radius * 1.3, height * 0.95}, {radius * 1.5, height * 0.2}, {0, 0});
  BotanyKit::castShadow(painter, body, QPointF(3, 4));
  QRadialGradient flesh(QPointF(-radius * 0.45, height * 0.35), radius * 1.6);
  flesh.setColorAt(0, kAril.lighter(135));
  flesh.setColorAt(0.5, kAril);
  flesh.setColorAt(1, kAril.darker(170));
  painter.fillPath(body, flesh);
  DrawingKit::outline(painter, body, kAril.darker(220), 0.9);
  const QPointF mouth(0, height * 0.8);
  painter.setPen(QPen(kAril.lighter(125), 1.6));
  painter.setBrush(kAril.darker(170));
  painter.drawEllipse(mouth, radius * 0.85, radius * 0.6);
  const QPointF seedTop = mouth + QPointF(0, -radius * 0.04);
  QRadialGradient seed(seedTop + QPointF(-radius * 0.15, -radius * 0.1), radius * 0.55);
  seed.setColorAt(0, kSeed.lighter(190));
  seed.setColorAt(1, kSeed.darker(150));
  painter.setPen(QPen(kSeed.darker(250), 0.8));
  painter.setBrush(seed);
  painter.drawEllipse(seedTop, radius * 0.5, radius * 0.36);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 150));
  painter.drawEllipse(QPointF(-radius * 0.55, height * 0.3), radius * 0.16, radius * 0.3);
  painter.restore();
}

void YewDrawing::paint(QPainter& painter) {
  painter.save();
  painter.translate(-40, -30);
  painter.scale(1.06, 1.06);
  const QPainterPath main = oldWood();
  const std::vector<ConiferShoot> side = shoots();
  for (const ConiferShoot& shoot : side) {
    paintNeedleRows(painter, shoot.spine, shoot.needlesFrom, shoot.needles, shoot.seed);
  }
  for (const ConiferShoot& shoot : side) {
    BotanyKit::paintStem(painter, shoot.spine, shoot.startWidth, shoot.endWidth, kYoungShoot);
  }
  BotanyKit::paintStem(painter, main, 17, 10, kOldTwig);
  ConiferParts::paintMarks(painter, main, 17, 30, kOldTwig.darker(140), 55);
  ConiferParts::paintCutEnd(painter, main, 17, kOldTwig.darker(120));
  paintAril(painter, main.pointAtPercent(0.72), 96);
  paintAril(painter, side[0].spine.pointAtPercent(0.3), 75);
  paintAril(painter, side[2].spine.pointAtPercent(0.5), 112);
  paintAril(painter, side[4].spine.pointAtPercent(0.45), 84);
  painter.restore();
}

}  // namespace sylvenor::draw
