#include "LizardPainter.h"

#include <QPainter>
#include <QRadialGradient>

#include "SkinShading.h"

namespace sylvenor::draw {

namespace {

// The seams between the plates of a lacertid head, as (fraction of the head length, v) lines:
// rostral, internasal, prefrontals, the long frontal between the supraoculars, frontoparietals,
// and the large parietals with the interparietal between them.
const std::vector<std::vector<QPointF>> kShieldSeams = {
    {{0.07, -0.45}, {0.055, 0}, {0.07, 0.45}},
    {{0.2, -0.55}, {0.17, 0}, {0.2, 0.55}},
    {{0.32, -0.7}, {0.3, -0.22}, {0.3, 0.22}, {0.32, 0.7}},
    {{0.17, 0}, {0.3, 0}},
    {{0.3, -0.22}, {0.48, -0.2}, {0.62, -0.12}, {0.66, 0}, {0.62, 0.12}, {0.48, 0.2}, {0.3, 0.22}},
    {{0.32, -0.7}, {0.48, -0.74}, {0.62, -0.68}},
    {{0.32, 0.7}, {0.48, 0.74}, {0.62, 0.68}},
    {{0.4, -0.21}, {0.39, -0.7}},
    {{0.5, -0.2}, {0.51, -0.73}},
    {{0.57, -0.16}, {0.58, -0.7}},
    {{0.4, 0.21}, {0.39, 0.7}},
    {{0.5, 0.2}, {0.51, 0.73}},
    {{0.57, 0.16}, {0.58, 0.7}},
    {{0.62, -0.68}, {0.74, -0.6}, {0.74, 0.6}, {0.62, 0.68}},
    {{0.66, 0}, {0.74, 0}},
    {{0.74, -0.6}, {0.9, -0.72}, {0.99, -0.55}, {0.99, 0.55}, {0.9, 0.72}, {0.74, 0.6}},
    {{0.74, 0}, {0.8, -0.12}, {0.9, 0}, {0.8, 0.12}, {0.74, 0}},
    {{0.9, 0}, {0.99, 0}}};

}  // namespace

LizardPainter::LizardPainter(const Design& design)
    : design_(design), body_(BodyShape::symmetric(design.spine, design.halfWidth)) {
  for (const Leg& leg : design_.legs) limbs_.push_back(makeLimb(leg));
}

Limb LizardPainter::makeLimb(const Leg& leg) const {
  const qreal t = tAt(leg.at);
  // The spine runs from the snout to the tail: the animal faces the other way.
  const qreal forward = body_.spine().angleAt(t) + 180;
  Limb::Design design;
  design.root = body_.at(t, leg.side * 0.6);
  design.rootWidth = leg.rootWidth;
  design.upperAngle = forward - leg.side * leg.upper;
  design.upperLength = leg.upperLength;
  design.jointWidth = leg.jointWidth;
  design.lowerAngle = forward - leg.side * leg.lower;
  design.lowerLength = leg.lowerLength;
  design.wristWidth = leg.wristWidth;
  design.footAngle = forward - leg.side * leg.foot;
  for (const Limb::Toe& toe : leg.toes) design.toes.push_back({-toe.angle * leg.side, toe.length});
  design.toeWidth = leg.toeWidth;
  design.tip = Limb::Tip::Claw;
  return Limb(design);
}

void LizardPainter::paint(QPainter& painter) const {
  QPainterPath silhouette = body_.outline();
  for (const Limb& limb : limbs_) silhouette = silhouette.united(limb.skin());
  SkinShading::softShadow(painter, silhouette, QPointF(3, 6), 8, 50);
  paintLegs(painter);
  paintBody(painter);
  paintEyes(painter);
}

void LizardPainter::paintLegs(QPainter& painter) const {
  for (const Limb& limb : limbs_) {
    const QPainterPath skin = limb.skin();
    painter.fillPath(skin, design_.skin);
    painter.save();
    painter.setClipPath(skin);
    if (design_.legPattern) design_.legPattern(painter, skin);
    ScaleNet::granulesIn(painter, skin, design_.granule * 0.8, design_.scales);
    painter.restore();
    SkinShading::outline(painter, skin, design_.outline, 1.4);
    painter.fillPath(limb.claws(), design_.claw);
  }
}

void LizardPainter::paintBody(QPainter& painter) const {
  const QPainterPath outline = body_.outline();
  const qreal tHead = tAt(design_.headLength);
  const qreal tVent = tAt(design_.vent);
  painter.fillPath(outline, design_.skin);
  painter.save();
  painter.setClipPath(outline);
  if (design_.pattern) design_.pattern(painter, body_);
  ScaleNet::granules(painter, body_, tHead * 0.98, tVent + 0.005, design_.granule, design_.scales);
  ScaleNet::whorls(painter, body_, tVent, 1.0, design_.whorl, 8, design_.scales);
  paintHeadShields(painter);
  SkinShading::sheen(painter, body_, 0.0, 0.35, QColor(255, 255, 240, 60));
  SkinShading::shadeEdges(painter, body_, QColor(20, 15, 5, 150), 0.45);
  painter.restore();
  SkinShading::outline(painter, outline, design_.outline, 1.6);
}

void LizardPainter::paintHeadShields(QPainter& painter) const {
  const qreal tHead = tAt(design_.headLength);
  painter.save();
  painter.setBrush(Qt::NoBrush);
  for (const auto& seam : kShieldSeams) {
    QPainterPath path;
    for (const QPointF& point : seam) {
      const QPointF mapped = body_.at(point.x() * tHead, point.y());
      if (path.elementCount() == 0) {
        path.moveTo(mapped);
      } else {
        path.lineTo(mapped);
      }
    }
    painter.setPen(
        QPen(QColor(255, 255, 230, 70), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path.translated(0.6, 0.9));
    painter.setPen(QPen(SkinShading::withAlpha(design_.outline, 190), 1.1, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
  }
  painter.restore();
}

void LizardPainter::paintEyes(QPainter& painter) const {
  const qreal tHead = tAt(design_.headLength);
  const qreal t = tHead * 0.46;
  const qreal width = body_.halfWidth(t, 1);
  for (const int side : {-1, 1}) {
    const QPointF centre = body_.at(t, side * 0.82);
    painter.save();
    painter.translate(centre);
    painter.rotate(body_.spine().angleAt(t));
    painter.setPen(QPen(design_.outline, 1.2));
    painter.setBrush(design_.skin.darker(130));
    painter.drawEllipse(QPointF(0, 0), width * 0.34, width * 0.2);
    QRadialGradient iris(QPointF(0, 0), width * 0.28);
    iris.setColorAt(0.0, QColor(10, 8, 6));
    iris.setColorAt(0.55, QColor(10, 8, 6));
    iris.setColorAt(0.75, design_.iris);
    iris.setColorAt(1.0, design_.iris.darker(160));
    painter.setPen(Qt::NoPen);
    painter.setBrush(iris);
    painter.drawEllipse(QPointF(0, side * width * 0.05), width * 0.25, width * 0.13);
    painter.restore();
    SkinShading::glint(painter, centre + QPointF(-width * 0.08, -width * 0.06), width * 0.08,
                       width * 0.05, 0, 230);
  }
  for (const int side : {-1, 1}) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(SkinShading::withAlpha(design_.outline, 220));
    painter.drawEllipse(body_.at(tHead * 0.1, side * 0.55), 2.2, 1.6);
    painter.restore();
  }
}

}  // namespace sylvenor::draw
