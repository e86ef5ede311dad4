#include "GardenSpider.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "JointedLimb.h"
#include "LegPairs.h"
#include "SoftShadow.h"
#include "SpiderAbdomen.h"
#include "SurfaceTexture.h"
#include "SymmetricOutline.h"

namespace sylvenor::draw::arthropods {

namespace {

const QColor kLeg(196, 146, 92);
const QColor kLegBand(92, 56, 30);
const QColor kCarapace(172, 118, 68);
const QColor kCarapaceDark(88, 54, 30);
const QColor kCarapaceStripe(88, 54, 30, 150);
const QColor kThread(160, 160, 160, 80);

constexpr qreal kMiddle = 500;

// The turns of a leg of the right side: a knee between thigh and patella, then an ankle at
// each of the last joints.
std::vector<qreal> turns(qreal knee, qreal ankle) {
  return {0, 0, knee * 0.4, knee * 0.6, ankle, ankle};
}

const LegPairs::Layout kLegs[] = {
    {{528, 250}, -40, 285, turns(-22, -6)},
    {{541, 268}, -14, 272, turns(-24, -5)},
    {{544, 290}, 8, 190, turns(28, 8)},
    {{534, 312}, 42, 262, turns(30, 6)},
};

// Coxa, trochanter, femur, patella, tibia, metatarsus, tarsus.
const LegPairs::Build kLegBuild{
    kMiddle, {0.06, 0.04, 0.28, 0.1, 0.22, 0.19, 0.11}, {23, 20, 17.5, 15, 14, 11.5, 8, 5}};

JointedLimb pedipalp(qreal side) {
  return JointedLimb::onSide(side, kMiddle, QPointF(kMiddle + 22, 232), -70, {14, 22, 14, 16, 20},
                             {5, 20, 10, 5}, {11, 10, 9, 8.5, 8, 5});
}

QPainterPath carapaceShape() {
  // Pear-shaped: a narrow head in front of a round thorax.
  QPainterPath right(QPointF(kMiddle, 222));
  right.cubicTo(QPointF(kMiddle + 30, 220), QPointF(kMiddle + 30, 240), QPointF(kMiddle + 44, 262));
  right.cubicTo(QPointF(kMiddle + 58, 284), QPointF(kMiddle + 50, 330), QPointF(kMiddle, 338));
  return SymmetricOutline::fromRightHalf(right, kMiddle);
}

void paintCarapace(QPainter& painter) {
  const QPainterPath shape = carapaceShape();
  SurfaceTexture::fillDome(
      painter, shape,
      {QPointF(kMiddle - 14, 262), 80, kCarapace.lighter(135), kCarapace, 0.6, kCarapaceDark});
  // Grooves run from the central pit towards each hip; a dark band runs down the middle.
  painter.save();
  painter.setClipPath(shape);
  painter.setPen(QPen(QColor(70, 40, 20, 130), 1.6, Qt::SolidLine, Qt::RoundCap));
  const QPointF pit(kMiddle, 296);
  for (const qreal side : {-1.0, 1.0}) {
    for (const qreal degrees : {-35.0, 0.0, 35.0, 70.0}) {
      const qreal radians = degrees * std::numbers::pi / 180;
      const QPointF ray(side * std::cos(radians), std::sin(radians));
      painter.drawLine(pit + ray * 12, pit + ray * 46);
    }
  }
  QPainterPath stripe(QPointF(kMiddle, 244));
  stripe.cubicTo(QPointF(kMiddle + 16, 262), QPointF(kMiddle + 10, 300), QPointF(kMiddle, 334));
  stripe.cubicTo(QPointF(kMiddle - 10, 300), QPointF(kMiddle - 16, 262), QPointF(kMiddle, 244));
  painter.fillPath(stripe, kCarapaceStripe);
  painter.setBrush(kCarapaceDark.darker(120));
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(pit, 4, 7);
  painter.restore();
  painter.strokePath(shape, QPen(kCarapaceDark.darker(130), 1.6));
}

void paintEyes(QPainter& painter) {
  const QPointF eyes[] = {{kMiddle - 7, 230},  {kMiddle + 7, 230},  {kMiddle - 7, 242},
                          {kMiddle + 7, 242},  {kMiddle - 22, 238}, {kMiddle + 22, 238},
                          {kMiddle - 24, 245}, {kMiddle + 24, 245}};
  for (const QPointF& eye : eyes) {
    const qreal r = std::abs(eye.x() - kMiddle) < 10 ? 4.2 : 3.2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(18, 12, 8));
    painter.drawEllipse(eye, r, r);
    painter.setBrush(QColor(255, 255, 255, 190));
    painter.drawEllipse(eye + QPointF(-r * 0.35, -r * 0.35), r * 0.35, r * 0.35);
  }
}

void paintChelicerae(QPainter& painter) {
  for (const qreal side : {-1.0, 1.0}) {
    QPainterPath jaw;
    jaw.addEllipse(QPointF(kMiddle + side * 11, 219), 11, 14);
    QRadialGradient shade(QPointF(kMiddle + side * 8, 213), 16);
    shade.setColorAt(0.0, kCarapace.lighter(120));
    shade.setColorAt(1.0, kCarapaceDark);
    painter.fillPath(jaw, shade);
    painter.strokePath(jaw, QPen(kCarapaceDark.darker(140), 1.2));
  }
}

void paintWeb(QPainter& painter, const std::vector<JointedLimb>& legs) {
  // The spider sits at the hub: each leg holds a spoke, crossed by a few turns of the spiral.
  const QPointF hub(kMiddle, 330);
  painter.save();
  painter.setPen(QPen(kThread, 1.0));
  painter.setBrush(Qt::NoBrush);
  std::vector<QPointF> spokes;
  for (const JointedLimb& limb : legs) {
    const QPointF tip = limb.joints().back();
    spokes.push_back(hub + (tip - hub) * 1.25);
    painter.drawLine(hub, spokes.back());
  }
  std::sort(spokes.begin(), spokes.end(), [&](QPointF a, QPointF b) {
    return std::atan2(a.y() - hub.y(), a.x() - hub.x()) <
           std::atan2(b.y() - hub.y(), b.x() - hub.x());
  });
  for (const qreal radius : {250.0, 300.0, 350.0}) {
    QPolygonF turn;
    for (const QPointF& spoke : spokes) {
      const QPointF d = spoke - hub;
      turn << hub + d * (radius / std::hypot(d.x(), d.y()));
    }
    painter.drawPolygon(turn);
  }
  painter.restore();
}

}  // namespace

void GardenSpider::paint(QPainter& painter) {
  painter.save();
  painter.translate(0, 58);
  const std::vector<JointedLimb> legs = LegPairs::lay(kLegs, kLegBuild);
  const JointedLimb palps[] = {pedipalp(-1), pedipalp(1)};
  paintWeb(painter, legs);

  SoftShadow shadow(painter, QPointF(12, 16), 14);
  for (const JointedLimb& limb : legs) shadow.add(limb.silhouette());
  shadow.add(carapaceShape());
  shadow.add(SpiderAbdomen::outline());
  shadow.cast(0.3);

  const LimbStyle legStyle{.fill = kLeg,
                           .outlineWidth = 1.2,
                           .band = kLegBand,
                           .bandShare = 0.35,
                           .spines = 2,
                           .spineLength = 9,
                           .hairs = 12,
                           .hairLength = 7};
  for (const JointedLimb& limb : legs) limb.paint(painter, legStyle);
  const LimbStyle palpStyle{.fill = kLeg,
                            .outlineWidth = 1.1,
                            .band = kLegBand,
                            .bandShare = 0.3,
                            .hairs = 8,
                            .hairLength = 6};
  for (const JointedLimb& limb : palps) limb.paint(painter, palpStyle);
  paintChelicerae(painter);
  paintCarapace(painter);
  paintEyes(painter);
  SpiderAbdomen::paint(painter);
  painter.restore();
}

}  // namespace sylvenor::draw::arthropods
