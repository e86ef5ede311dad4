#include "SpruceDrawing.h"

#include <QPainter>
#include <vector>

#include "BotanyKit.h"
#include "ConePainter.h"
#include "ConiferParts.h"
#include "NeedleBrush.h"

namespace sylvenor::draw {

namespace {

const QColor kNeedles(46, 88, 46);
const QColor kTwig(176, 108, 58);
const QColor kBud(150, 88, 52);

struct Shoot {
  QPainterPath spine;
  qreal startWidth;
  qreal endWidth;
  int needles;
  unsigned seed;
};

QPainterPath leader() {
  QPainterPath spine({80, 250});
  spine.cubicTo({260, 205}, {420, 215}, {560, 205});
  spine.cubicTo({690, 196}, {800, 170}, {920, 150});
  return spine;
}

std::vector<Shoot> shoots() {
  return {
      {leader(), 26, 8, 330, 41},
      {BotanyKit::curve({300, 218}, {360, 150}, {430, 100}, {520, 70}), 12, 6, 120, 42},
      {BotanyKit::curve({640, 200}, {700, 240}, {780, 280}, {880, 300}), 12, 6, 110, 43},
      {BotanyKit::curve({180, 232}, {200, 290}, {230, 330}, {290, 370}), 11, 6, 90, 44},
  };
}

NeedleShoot needlesOf(const Shoot& shoot) {
  NeedleShoot needles;
  needles.spine = shoot.spine;
  needles.from = 0.02;
  needles.bundles = shoot.needles;
  needles.length = 62;
  needles.width = 3.4;
  needles.spread = 62;
  needles.bend = 0.03;
  needles.stemWidth = shoot.startWidth * 0.6;
  needles.colour = kNeedles;
  needles.seed = shoot.seed;
  return needles;
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
  QTransform placement;
  placement.translate(515, 258);
  placement.rotate(-4);
  ConePainter(look, placement).paint(painter);
}

}  // namespace

void SpruceDrawing::paint(QPainter& painter) {
  const std::vector<Shoot> all = shoots();
  std::vector<NeedleBrush> brushes;
  for (const Shoot& shoot : all) brushes.emplace_back(needlesOf(shoot));
  for (const NeedleBrush& brush : brushes) brush.paintFarSide(painter);
  for (auto shoot = all.rbegin(); shoot != all.rend(); ++shoot) {
    BotanyKit::paintStem(painter, shoot->spine, shoot->startWidth, shoot->endWidth, kTwig);
    ConiferParts::paintMarks(painter, shoot->spine, shoot->startWidth, 90, kTwig.darker(135),
                             shoot->seed);
    ConiferParts::paintBuds(painter, shoot->spine.pointAtPercent(1),
                            BotanyKit::angleOf(BotanyKit::tangentAt(shoot->spine, 1)), 16, kBud);
  }
  const QPainterPath main = leader();
  ConiferParts::paintCutEnd(painter, main.pointAtPercent(0),
                            BotanyKit::angleOf(BotanyKit::tangentAt(main, 0)), 26,
                            kTwig.darker(130));
  paintCone(painter);
  for (const NeedleBrush& brush : brushes) brush.paintNearSide(painter);
}

}  // namespace sylvenor::draw
