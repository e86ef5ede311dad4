#include "ScotsPineDrawing.h"

#include <QPainter>
#include <algorithm>
#include <vector>

#include "BotanyKit.h"
#include "ConePainter.h"
#include "ConiferBranch.h"
#include "ConiferParts.h"
#include "OpenConePainter.h"

namespace sylvenor::draw {

namespace {

const QColor kNeedles(92, 128, 112);  // the bluish, glaucous green of this pine
const QColor kYoungWood(138, 112, 78);
const QColor kBud(160, 82, 50);

constexpr qreal kBarkEnd = 0.42;  // where the orange bark of the old wood gives way

// The old branch and its leading shoot are one axis, so that the wood runs on unbroken.
QPainterPath leader() {
  QPainterPath spine({40, 560});
  spine.cubicTo({150, 505}, {280, 450}, {400, 405});
  spine.cubicTo({560, 330}, {740, 210}, {905, 150});
  return spine;
}

// The leader comes first; the side shoots leave it where last year's growth ended.
std::vector<ConiferShoot> shoots() {
  return {
      {leader(), 50, 8, 0.55, 190, 11},
      {BotanyKit::curve({290, 462}, {330, 330}, {400, 200}, {470, 95}), 16, 7, 0.18, 130, 12},
      {BotanyKit::curve({505, 352}, {620, 390}, {720, 410}, {850, 395}), 13, 6, 0.18, 110, 13},
  };
}

NeedleShoot needles() {
  NeedleShoot needles;
  needles.perBundle = 2;
  needles.length = 125;
  needles.width = 3.6;
  needles.spread = 60;
  needles.bend = 0.07;
  needles.colour = kNeedles;
  needles.fork = 13;
  return needles;
}

// The old wood keeps its flaking bark up to where the young wood begins.
void paintWood(QPainter& painter, const ConiferShoot& shoot, bool isLeader) {
  if (isLeader) {
    ConiferParts::paintFlakingBark(painter, shoot.spine, shoot.startWidth, shoot.endWidth, kBarkEnd,
                                   kYoungWood, shoot.seed);
  } else {
    BotanyKit::paintStem(painter, shoot.spine, shoot.startWidth, shoot.endWidth, kYoungWood);
  }
  const QPainterPath young = isLeader ? BotanyKit::part(shoot.spine, kBarkEnd, 1) : shoot.spine;
  ConiferParts::paintMarks(painter, young, 16, 60, kYoungWood.darker(125), shoot.seed);
}

void paintClosedCone(QPainter& painter) {
  const QPointF joint(560, 348);
  BotanyKit::paintStem(painter, BotanyKit::curve(joint, {550, 370}, {535, 385}), 9, 8, kYoungWood);
  ConeLook look;
  look.length = 165;
  look.radius = 44;
  look.widest = 0.32;
  look.apexRoundness = 0.75;
  look.rows = 15;
  look.perRow = 11;
  look.twist = 70;
  look.colour = QColor(150, 128, 98);
  look.gloss = 0.12;
  ConePainter(look, BotanyKit::placement({535, 382}, 38)).paint(painter);
}

void paintOpenCone(QPainter& painter) {
  const QPointF joint(735, 407);
  BotanyKit::paintStem(painter, BotanyKit::curve(joint, {735, 430}, {728, 450}), 9, 8, kYoungWood);
  OpenConePainter(200, 86, BotanyKit::placement({728, 448}, 8)).paint(painter);
}

}  // namespace

void ScotsPineDrawing::paint(QPainter& painter) {
  const ConiferBranch branch(shoots(), needles(),
                             [](qreal width) { return std::min(16.0, width * 0.7); });
  branch.paintFarNeedles(painter);
  branch.paintWood(painter, paintWood, 26, kBud);
  branch.paintCutEnd(painter, QColor(170, 80, 45));
  branch.paintNearNeedles(painter);
  paintClosedCone(painter);
  paintOpenCone(painter);
}

}  // namespace sylvenor::draw
