#include "AleppoPineDrawing.h"

#include <QPainter>
#include <vector>

#include "BotanyKit.h"
#include "ConePainter.h"
#include "ConiferBranch.h"
#include "ConiferParts.h"

namespace sylvenor::draw {

namespace {

const QColor kNeedles(134, 168, 82);
const QColor kTwig(156, 150, 136);
const QColor kBud(168, 120, 80);

// The old grey branch and its leading shoot are one axis, so that the wood runs on unbroken.
QPainterPath leader() {
  QPainterPath spine({70, 622});
  spine.cubicTo({250, 560}, {420, 470}, {560, 400});
  spine.cubicTo({660, 350}, {760, 290}, {870, 250});
  return spine;
}

std::vector<ConiferShoot> shoots() {
  return {
      {leader(), 40, 9, 0.64, 95, 31},
      {BotanyKit::curve({475, 445}, {480, 340}, {500, 250}, {545, 160}), 16, 8, 0.38, 75, 32},
      {BotanyKit::curve({640, 362}, {700, 380}, {760, 410}, {830, 455}), 12, 7, 0.3, 55, 34},
  };
}

NeedleShoot needles() {
  NeedleShoot needles;
  needles.perBundle = 2;
  needles.length = 235;
  needles.width = 2.6;
  needles.spread = 42;
  needles.bend = 0.1;
  needles.droop = 0.07;
  needles.fork = 9;
  needles.colour = kNeedles;
  return needles;
}

// The stout stalk leaves the branch downwards, then bends so that the cone points backwards.
void paintCone(QPainter& painter, QPointF joint, qreal angle) {
  const QPointF bend = joint + QPointF(0, 22);
  const QPointF base = bend + BotanyKit::polar(angle + 90, 20);
  BotanyKit::paintStem(painter, BotanyKit::curve(joint, bend, base), 22, 18, kTwig.darker(115));
  ConeLook look;
  look.length = 210;
  look.radius = 46;
  look.widest = 0.26;
  look.apexRoundness = 0.9;
  look.rows = 17;
  look.perRow = 12;
  look.twist = 55;
  look.colour = QColor(158, 76, 42);
  look.gloss = 0.32;
  ConePainter(look, BotanyKit::placement(base, angle)).paint(painter);
}

}  // namespace

void AleppoPineDrawing::paint(QPainter& painter) {
  painter.save();
  painter.translate(64, 12);
  painter.scale(0.88, 0.88);
  const ConiferBranch branch(shoots(), needles(), [](qreal width) { return width * 0.6; });
  branch.paintFarNeedles(painter);
  paintCone(painter, {250, 560}, 48);
  paintCone(painter, {440, 462}, 24);
  branch.paintWood(
      painter,
      [](QPainter& p, const ConiferShoot& shoot, bool) {
        ConiferParts::paintGreyBark(p, shoot.spine, shoot.startWidth, shoot.endWidth, shoot.seed);
      },
      24, kBud);
  branch.paintCutEnd(painter, kTwig.darker(120));
  branch.paintNearNeedles(painter);
  painter.restore();
}

}  // namespace sylvenor::draw
