#include "ShoreCrab.h"

#include <QPainter>
#include <QRadialGradient>

#include "CrabClaw.h"
#include "DrawingKit.h"
#include "JointedLimb.h"
#include "LegPairs.h"
#include "SoftShadow.h"
#include "SurfaceTexture.h"
#include "SymmetricOutline.h"

namespace sylvenor::draw::arthropods {

namespace {

const QColor kShell(66, 92, 40);
const QColor kShellDark(34, 50, 22);
const QColor kLeg(82, 108, 48);
const QColor kEye(22, 20, 16);

constexpr qreal kMiddle = 500;

// The walking legs of the right side, front to back.
const LegPairs::Layout kLegs[] = {
    {{680, 392}, -22, 206, {-4, -24, -12, -8}},
    {{670, 428}, 4, 218, {0, -16, -6, -8}},
    {{648, 464}, 30, 210, {2, -4, 6, 4}},
    {{618, 500}, 58, 186, {4, 10, 16, 12}},
};

// Hip piece, thigh (merus), wrist (carpus), hand (propodus) and pointed finger (dactylus).
const LegPairs::Build kLegBuild{kMiddle, {0.1, 0.34, 0.18, 0.22, 0.16}, {34, 34, 32, 26, 19, 3}};

}  // namespace

QPainterPath ShoreCrab::shellShape() {
  // From the middle of the brow round the right side: the brow lobes, the eye socket, the five
  // teeth, the back edge.
  QPainterPath right(QPointF(kMiddle, 256));
  right.quadTo(QPointF(kMiddle + 10, 250), QPointF(kMiddle + 16, 262));
  right.quadTo(QPointF(kMiddle + 28, 252), QPointF(kMiddle + 42, 266));
  right.quadTo(QPointF(kMiddle + 70, 290), QPointF(kMiddle + 92, 272));
  QPainterPath margin(QPointF(kMiddle + 92, 272));
  margin.cubicTo(QPointF(kMiddle + 140, 266), QPointF(kMiddle + 196, 296),
                 QPointF(kMiddle + 214, 362));
  addTeeth(right, margin, 5);
  right.cubicTo(QPointF(kMiddle + 204, 430), QPointF(kMiddle + 140, 500),
                QPointF(kMiddle + 96, 552));
  right.quadTo(QPointF(kMiddle + 60, 566), QPointF(kMiddle, 564));
  return SymmetricOutline::fromRightHalf(right, kMiddle);
}

void ShoreCrab::addTeeth(QPainterPath& outline, const QPainterPath& margin, int teeth) {
  // Saw teeth pointing forwards and outwards, the first one being the outer corner of the eye
  // socket.
  for (int k = 0; k < teeth; ++k) {
    const qreal start = qreal(k) / teeth;
    const qreal end = qreal(k + 1) / teeth;
    const qreal peak = start + (end - start) * 0.3;
    const QPointF a = margin.pointAtPercent(start);
    const QPointF b = margin.pointAtPercent(end);
    const QPointF along = DrawingKit::unit(b - a);
    const QPointF outward(along.y(), -along.x());
    const QPointF apex = margin.pointAtPercent(peak) + outward * 17 - along * 4;
    outline.lineTo(apex);
    outline.quadTo(margin.pointAtPercent(peak + (end - start) * 0.45) + outward * 4, b);
  }
}

void ShoreCrab::paint(QPainter& painter) {
  const std::vector<JointedLimb> legs = LegPairs::lay(kLegs, kLegBuild);
  const CrabClaw claws[] = {CrabClaw(-1), CrabClaw(1)};
  SoftShadow shadow(painter, QPointF(12, 16), 16);
  for (const JointedLimb& limb : legs) shadow.add(limb.silhouette());
  for (const CrabClaw& claw : claws) shadow.add(claw.silhouette());
  shadow.add(shellShape());
  shadow.cast(0.32);

  const LimbStyle legStyle{.fill = kLeg, .outlineWidth = 1.5, .hairs = 4, .hairLength = 8};
  for (const JointedLimb& limb : legs) limb.paint(painter, legStyle);
  for (const CrabClaw& claw : claws) claw.paint(painter);
  paintAntennae(painter);
  paintEyes(painter);
  paintShell(painter);
}

void ShoreCrab::paintShell(QPainter& painter) {
  const QPainterPath shell = shellShape();
  SurfaceTexture::fillDome(
      painter, shell,
      {QPointF(kMiddle - 40, 360), 260, kShell.lighter(140), kShell, 0.5, kShellDark});
  SurfaceTexture::speckle(painter, shell, {90, 4, 12, QColor(25, 35, 15, 45), 22});
  SurfaceTexture::speckle(painter, shell, {260, 1, 3, QColor(170, 175, 90, 90), 21});
  SurfaceTexture::speckle(painter, shell, {700, 0.6, 1.3, QColor(200, 210, 150, 80), 23});
  // The grooves that mark the regions of the shell: an H in the middle, curves towards the teeth.
  painter.save();
  painter.setClipPath(shell);
  painter.setPen(QPen(QColor(25, 38, 16, 150), 2.2, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  for (const qreal side : {-1.0, 1.0}) {
    QPainterPath groove(QPointF(kMiddle + side * 34, 330));
    groove.cubicTo(QPointF(kMiddle + side * 40, 380), QPointF(kMiddle + side * 60, 400),
                   QPointF(kMiddle + side * 52, 450));
    groove.moveTo(QPointF(kMiddle + side * 60, 400));
    groove.quadTo(QPointF(kMiddle + side * 120, 380), QPointF(kMiddle + side * 170, 340));
    painter.drawPath(groove);
  }
  painter.drawLine(QPointF(kMiddle - 40, 396), QPointF(kMiddle + 40, 396));
  painter.restore();
  SurfaceTexture::shine(painter, QPointF(kMiddle - 70, 340), QPointF(1, -0.3), 160, 70, 60);
  painter.strokePath(shell, QPen(kShellDark.darker(160), 2.0));
}

void ShoreCrab::paintEyes(QPainter& painter) {
  const LimbStyle stalkStyle{.fill = kShell.lighter(120), .outlineWidth = 1.2};
  for (const qreal side : {-1.0, 1.0}) {
    const QPointF base(kMiddle + side * 58, 280);
    const QPointF tip(kMiddle + side * 76, 258);
    JointedLimb({base, tip}, {18, 16}).paint(painter, stalkStyle);
    QRadialGradient shade(tip + QPointF(-3, -4), 12);
    shade.setColorAt(0.0, QColor(90, 80, 70));
    shade.setColorAt(1.0, kEye);
    painter.setPen(QPen(QColor(10, 10, 8), 1.2));
    painter.setBrush(shade);
    painter.drawEllipse(tip + QPointF(side * 2, -4), 11, 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawEllipse(tip + QPointF(side * 2 - 4, -8), 3, 2.4);
  }
}

void ShoreCrab::paintAntennae(QPainter& painter) {
  const LimbStyle style{.fill = QColor(150, 140, 80), .outlineWidth = 0.9};
  for (const qreal side : {-1.0, 1.0}) {
    // The long thin antenna starts at the inner corner of the eye socket.
    QPainterPath whip(QPointF(kMiddle + side * 40, 262));
    whip.cubicTo(QPointF(kMiddle + side * 44, 230), QPointF(kMiddle + side * 54, 210),
                 QPointF(kMiddle + side * 74, 190));
    JointedLimb::along(whip, 9, 5, 2).paint(painter, style);
    // The short antennule lies folded sideways in its socket under the brow.
    const JointedLimb antennule(
        {{kMiddle + side * 10, 262}, {kMiddle + side * 16, 246}, {kMiddle + side * 30, 244}},
        {9, 8, 6});
    antennule.paint(painter, style);
  }
}

}  // namespace sylvenor::draw::arthropods
