#include "SheepTick.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <random>

#include "DrawingKit.h"
#include "JointedLimb.h"
#include "LegPairs.h"
#include "PathKit.h"
#include "SoftShadow.h"
#include "SurfaceTexture.h"
#include "SymmetricOutline.h"

namespace sylvenor::draw::arthropods {

namespace {

const QColor kBody(150, 56, 34);
const QColor kBodyEdge(104, 34, 20);
const QColor kShield(52, 30, 22);
const QColor kLeg(88, 52, 34);
const QColor kPalp(96, 58, 38);

constexpr qreal kMiddle = 500;

// The right legs, front to back; the left ones are their mirror images.
const LegPairs::Layout kLegs[] = {
    {{556, 262}, -54, 218, {-8, -14, -8, -4, -4}},
    {{596, 290}, -12, 214, {6, 14, 8, 4, 4}},
    {{608, 322}, 24, 214, {8, 10, 6, 4, 4}},
    {{598, 356}, 60, 236, {8, 6, 4, 4, 0}},
};

// Trochanter, femur, knee, tibia, metatarsus and tarsus.
const LegPairs::Build kLegBuild{
    kMiddle, {0.09, 0.25, 0.15, 0.18, 0.14, 0.19}, {21, 19, 17, 15, 13, 11, 8}};

void paintClaws(QPainter& painter, const JointedLimb& limb) {
  const auto& joints = limb.joints();
  const QPointF tip = joints.back();
  const QPointF d = tip - joints[joints.size() - 2];
  const QPointF u = DrawingKit::unit(d);
  const QPointF n(-u.y(), u.x());
  painter.setPen(QPen(kShield.darker(140), 2.2, Qt::SolidLine, Qt::RoundCap));
  for (const qreal side : {-1.0, 1.0}) {
    QPainterPath claw(tip);
    claw.quadTo(tip + u * 10 + n * side * 4, tip + u * 12 + n * side * 9);
    painter.drawPath(claw);
  }
}

}  // namespace

QPainterPath SheepTick::bodyShape() {
  QPainterPath right(QPointF(kMiddle, 240));
  right.cubicTo(QPointF(kMiddle + 60, 238), QPointF(kMiddle + 118, 262),
                QPointF(kMiddle + 128, 340));
  right.cubicTo(QPointF(kMiddle + 138, 420), QPointF(kMiddle + 126, 520),
                QPointF(kMiddle + 80, 556));
  right.cubicTo(QPointF(kMiddle + 52, 576), QPointF(kMiddle + 24, 578), QPointF(kMiddle, 578));
  return SymmetricOutline::fromRightHalf(right, kMiddle);
}

QPainterPath SheepTick::shieldShape() {
  QPainterPath right(QPointF(kMiddle, 236));
  right.cubicTo(QPointF(kMiddle + 46, 236), QPointF(kMiddle + 84, 258), QPointF(kMiddle + 88, 300));
  right.cubicTo(QPointF(kMiddle + 92, 350), QPointF(kMiddle + 56, 400), QPointF(kMiddle, 404));
  return SymmetricOutline::fromRightHalf(right, kMiddle);
}

void SheepTick::paint(QPainter& painter) {
  painter.save();
  painter.translate(0, 28);
  const std::vector<JointedLimb> legs = LegPairs::lay(kLegs, kLegBuild);
  SoftShadow shadow(painter, QPointF(12, 16), 16);
  for (const JointedLimb& limb : legs) shadow.add(limb.silhouette());
  shadow.add(bodyShape());
  shadow.cast(0.32);

  const LimbStyle legStyle{.fill = kLeg, .outlineWidth = 1.4, .hairs = 4, .hairLength = 6};
  for (const JointedLimb& limb : legs) {
    limb.paint(painter, legStyle);
    paintClaws(painter, limb);
  }
  paintMouthparts(painter);
  paintBody(painter);
  paintShield(painter);
  painter.restore();
}

void SheepTick::paintBody(QPainter& painter) {
  const QPainterPath body = bodyShape();
  SurfaceTexture::fillDome(
      painter, body, {QPointF(kMiddle - 40, 420), 200, kBody.lighter(130), kBody, 0.6, kBodyEdge});
  // The soft back is finely folded lengthwise, with a groove along its rim.
  painter.save();
  painter.setClipPath(body);
  painter.setPen(QPen(QColor(90, 28, 16, 120), 1.4, Qt::SolidLine, Qt::RoundCap));
  std::mt19937 generator(17);
  std::uniform_real_distribution<qreal> wobble(-7, 7);
  for (int i = -6; i <= 6; ++i) {
    const qreal x = kMiddle + i * 17 + wobble(generator);
    QPainterPath fold(QPointF(x, 380 + std::abs(i) * 4 + wobble(generator)));
    fold.cubicTo(QPointF(x + wobble(generator), 450), QPointF(x + i * 3 + wobble(generator), 510),
                 QPointF(kMiddle + i * 13, 590));
    painter.drawPath(fold);
  }
  const QPainterPath rim =
      QTransform().translate(kMiddle, 410).scale(0.86, 0.9).translate(-kMiddle, -410).map(body);
  painter.setPen(QPen(QColor(90, 28, 16, 150), 2.0));
  painter.drawPath(rim);
  painter.restore();
  SurfaceTexture::speckle(painter, body, {70, 1.0, 1.6, QColor(240, 220, 200, 150), 5});
  SurfaceTexture::shine(painter, QPointF(kMiddle - 50, 470), QPointF(0.3, 1), 130, 60, 60);
  painter.strokePath(body, QPen(kBodyEdge.darker(150), 1.8));
}

void SheepTick::paintShield(QPainter& painter) {
  const QPainterPath shield = shieldShape();
  SurfaceTexture::fillDome(
      painter, shield,
      {QPointF(kMiddle - 25, 290), 130, kShield.lighter(190), kShield, 0.5, kShield.darker(150)});
  // Two curved grooves run back from the neck; tiny pits dot the whole shield.
  painter.setPen(QPen(QColor(20, 10, 6), 1.8, Qt::SolidLine, Qt::RoundCap));
  for (const qreal side : {-1.0, 1.0}) {
    QPainterPath groove(QPointF(kMiddle + side * 26, 246));
    groove.cubicTo(QPointF(kMiddle + side * 34, 290), QPointF(kMiddle + side * 40, 330),
                   QPointF(kMiddle + side * 56, 360));
    painter.drawPath(groove);
  }
  SurfaceTexture::speckle(painter, shield, {90, 0.8, 1.4, QColor(120, 90, 70, 160), 3});
  SurfaceTexture::shine(painter, QPointF(kMiddle - 30, 290), QPointF(1, 1.3), 70, 34, 120);
  painter.strokePath(shield, QPen(QColor(25, 14, 10), 1.6));
}

void SheepTick::paintMouthparts(QPainter& painter) {
  // The base of the head, the toothed central piece, and a long feeler on each side.
  const QPainterPath base = PathKit::roundedRect(QRectF(kMiddle - 34, 206, 68, 46), 12);
  const QPainterPath hypostome = PathKit::polygon({{kMiddle - 9, 212},
                                                   {kMiddle + 9, 212},
                                                   {kMiddle + 6, 130},
                                                   {kMiddle, 116},
                                                   {kMiddle - 6, 130}});
  PathKit::fillOutlined(painter, hypostome, QColor(150, 96, 60), QColor(60, 34, 20), 1.4);
  painter.setPen(QPen(QColor(70, 40, 24), 1.2));
  for (int i = 0; i < 7; ++i) {
    const qreal y = 134 + i * 10;
    painter.drawLine(QPointF(kMiddle - 6, y), QPointF(kMiddle - 2, y - 4));
    painter.drawLine(QPointF(kMiddle + 6, y), QPointF(kMiddle + 2, y - 4));
  }
  const LimbStyle palpStyle{.fill = kPalp, .outlineWidth = 1.3};
  for (const qreal side : {-1.0, 1.0}) {
    const JointedLimb palp({{kMiddle + side * 24, 214},
                            {kMiddle + side * 27, 180},
                            {kMiddle + side * 24, 140},
                            {kMiddle + side * 17, 124}},
                           {22, 26, 24, 12});
    palp.paint(painter, palpStyle);
  }
  QRadialGradient shade(QPointF(kMiddle - 10, 218), 50);
  shade.setColorAt(0.0, kShield.lighter(170));
  shade.setColorAt(1.0, kShield);
  painter.fillPath(base, shade);
  painter.strokePath(base, QPen(QColor(25, 14, 10), 1.5));
}

}  // namespace sylvenor::draw::arthropods
