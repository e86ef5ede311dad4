#include "SpruceDrawing.h"

#include <QPainter>
#include <vector>

#include "BotanyKit.h"
#include "ConePainter.h"
#include "ConiferBranch.h"
#include "ConiferParts.h"

namespace sylvenor::draw {

namespace {

const QColor kNeedles(46, 88, 46);
const QColor kTwig(176, 108, 58);
const QColor kBud(150, 88, 52);

QPainterPath leader() {
  QPainterPath spine({80, 250});
  spine.cubicTo({260, 205}, {420, 215}, {560, 205});
  spine.cubicTo({690, 196}, {800, 170}, {920, 150});
  return spine;
}

std::vector<ConiferShoot> shoots() {
  return {
      {leader(), 26, 8, 0.02, 330, 41},
      {BotanyKit::curve({300, 218}, {360, 150}, {430, 100}, {520, 70}), 12, 6, 0.02, 120, 42},
      {BotanyKit::curve({640, 200}, {700, 240}, {780, 280}, {880, 300}), 12, 6, 0.02, 110, 43},
      {BotanyKit::curve({180, 232}, {200, 290}, {230, 330}, {290, 370}), 11, 6, 0.02, 90, 44},
  };
}

NeedleShoot needles() {
  NeedleShoot needles;
  needles.length = 62;
  needles.width = 3.4;
  needles.spread = 62;
  needles.bend = 0.03;
  needles.colour = kNeedles;
  return needles;
}

void paintWood(QPainter& painter, const ConiferShoot& shoot, bool) {
  BotanyKit::paintStem(painter, shoot.spine, shoot.startWidth, shoot.endWidth, kTwig);
  ConiferParts::paintMarks(painter, shoot.spine, shoot.startWidth, 90, kTwig.darker(135),
                           shoot.seed);
}

void paintCone(QPainter& painter) {
  BotanyKit::paintStem(painter, BotanyKit::curve({505, 212}, {512, 240}, {515, 262}), 18, 16,
                       kTwig.darker(115));
  ConeLook look;
  look.length = 440;
  look.radius = 60;
  look.widest = 0.42;
  look.apexRoundness = 0.4;
  look.rows = 30;
  look.perRow = 9;
  look.twist = 35;
  look.scales = ConeLook::Scales::Thin;
  look.colour = QColor(160, 100, 56);
  look.gloss = 0.12;
  ConePainter(look, BotanyKit::placement({515, 258}, -4)).paint(painter);
}

}  // namespace

void SpruceDrawing::paint(QPainter& painter) {
  const ConiferBranch branch(shoots(), needles(), [](qreal width) { return width * 0.6; });
  branch.paintFarNeedles(painter);
  branch.paintWood(painter, paintWood, 16, kBud);
  branch.paintCutEnd(painter, kTwig.darker(130));
  paintCone(painter);
  branch.paintNearNeedles(painter);
}

}  // namespace sylvenor::draw
