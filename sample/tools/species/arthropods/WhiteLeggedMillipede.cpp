#include "WhiteLeggedMillipede.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "Blend.h"
#include "SoftShadow.h"

namespace sylvenor::draw::arthropods {

namespace {

const QColor kShell(34, 32, 36);
const QColor kLeg(242, 240, 232);
const QColor kFarLeg(168, 166, 160);
const QColor kAntenna(112, 102, 96);

// The collar, three rings with one pair of legs each, nineteen with two pairs each, three
// rings without legs and the pointed tail piece.
constexpr int kRings = 27;
constexpr int kSingleRings = 3;
constexpr int kDoubleRings = 19;
constexpr qreal kBodyStart = 0.045;  // the head lies in front of the collar

}  // namespace

BodyAxis WhiteLeggedMillipede::midline() {
  QPainterPath path(QPointF(884, 372));
  path.cubicTo(QPointF(700, 318), QPointF(420, 320), QPointF(250, 372));
  path.cubicTo(QPointF(170, 398), QPointF(140, 452), QPointF(196, 482));
  return BodyAxis(path);
}

qreal WhiteLeggedMillipede::radius(qreal t) {
  const qreal r = 29 - 8 * Blend::smoothStep(0.8, 1.0, t);
  // The tail piece narrows to a sharp point.
  return r * (t > 0.955 ? std::pow(std::max(0.03, (1 - t) / 0.045), 0.8) : 1.0);
}

qreal WhiteLeggedMillipede::ringStart(int ring) {
  return kBodyStart + (1 - kBodyStart) * ring / (kRings + 0.6);
}

std::vector<JointedLimb> WhiteLeggedMillipede::legs(const BodyAxis& axis, qreal shiftAlong,
                                                    qreal lift) {
  std::vector<JointedLimb> result;
  int index = 0;
  const auto addLeg = [&](qreal t) {
    // The legs swing in waves that run along the body.
    const qreal swing = (10 + 12 * std::sin(index * 0.35)) * std::numbers::pi / 180;
    const QPointF down = -axis.normal(t);
    const QPointF back = axis.tangent(t);
    const QPointF direction = down * std::cos(swing) + back * std::sin(swing);
    QPointF joint = axis.at(t, -radius(t) * 0.7) + back * shiftAlong - down * lift;
    std::vector<QPointF> joints{joint};
    // Each leg bends forward a little at its last joints, as when walking.
    qreal bend = 0;
    for (const qreal length : {8.0, 10.0, 10.0, 9.0, 9.0, 8.0}) {
      const QPointF step = direction * std::cos(bend) - back * std::sin(bend);
      joint += step * length;
      joints.push_back(joint);
      bend += 0.08;
    }
    result.emplace_back(joints, std::vector<qreal>{8, 7.5, 7, 6.5, 6, 5, 3});
    ++index;
  };
  for (int ring = 1; ring <= kSingleRings + kDoubleRings; ++ring) {
    const qreal a = ringStart(ring);
    const qreal b = ringStart(ring + 1);
    if (ring <= kSingleRings) {
      addLeg(a + (b - a) * 0.5);
    } else {
      addLeg(a + (b - a) * 0.3);
      addLeg(a + (b - a) * 0.75);
    }
  }
  return result;
}

void WhiteLeggedMillipede::paint(QPainter& painter) {
  const BodyAxis axis = midline();
  const std::vector<JointedLimb> nearLegs = legs(axis, 0, 0);
  const std::vector<JointedLimb> farLegs = legs(axis, -9, 7);
  SoftShadow shadow(painter, QPointF(6, 30), 16);
  shadow.add(axis.band(
      0, 1, [](qreal t) { return radius(t); }, 200));
  for (const JointedLimb& leg : nearLegs) shadow.add(leg.silhouette());
  shadow.cast(0.25);

  const LimbStyle farStyle{.fill = kFarLeg, .outline = kFarLeg.darker(160), .outlineWidth = 0.9};
  for (const JointedLimb& leg : farLegs) leg.paint(painter, farStyle);
  const LimbStyle nearStyle{.fill = kLeg, .outline = QColor(150, 146, 136), .outlineWidth = 1.0};
  for (const JointedLimb& leg : nearLegs) leg.paint(painter, nearStyle);
  paintHead(painter, axis);
  paintRings(painter, axis);
}

void WhiteLeggedMillipede::paintRings(QPainter& painter, const BodyAxis& axis) {
  const auto width = [](qreal t) { return radius(t); };
  // From the tail forwards: the front edge of each ring slips under the ring before it.
  for (int ring = kRings; ring >= 0; --ring) {
    const qreal t0 = ringStart(ring);
    const qreal t1 = ring == kRings ? 1.0 : ringStart(ring + 1) + 0.004;
    const QPainterPath shape = axis.band(t0, t1, width, 12);
    const qreal middle = (t0 + t1) / 2;
    QLinearGradient gloss(axis.at(middle, radius(middle)), axis.at(middle, -radius(middle)));
    gloss.setColorAt(0.0, kShell.darker(150));
    gloss.setColorAt(0.14, QColor(150, 150, 160));
    gloss.setColorAt(0.24, QColor(235, 236, 242));
    gloss.setColorAt(0.34, kShell.lighter(170));
    gloss.setColorAt(0.7, kShell);
    gloss.setColorAt(0.92, kShell.darker(180));
    gloss.setColorAt(1.0, QColor(60, 58, 64));
    painter.fillPath(shape, gloss);
    paintRingDetail(painter, axis, ring);
    painter.strokePath(shape, QPen(QColor(8, 8, 10), 1.2));
  }
}

void WhiteLeggedMillipede::paintRingDetail(QPainter& painter, const BodyAxis& axis, int ring) {
  // Each ring is made of a smooth front half and a rear half finely grooved lengthwise.
  const qreal t0 = ringStart(ring) + (ringStart(ring + 1) - ringStart(ring)) * 0.45;
  const qreal t1 = ring == kRings ? 0.97 : ringStart(ring + 1);
  if (ring < kRings) {
    painter.strokePath(axis.ring(t0, radius(t0) * 0.97, 0), QPen(QColor(0, 0, 0, 120), 1.0));
  }
  painter.setPen(QPen(QColor(120, 120, 130, 60), 0.8));
  for (const qreal share : {-0.5, -0.1, 0.62}) {
    painter.drawLine(axis.at(t0, share * radius(t0)), axis.at(t1, share * radius(t1)));
  }
}

void WhiteLeggedMillipede::paintHead(QPainter& painter, const BodyAxis& axis) {
  const QPointF forward = -axis.tangent(0.02);
  const QPointF down = -axis.normal(0.02);
  const QPointF centre = axis.point(0.03) + down * 4;
  // Short antennae of seven articles, slightly clubbed, the far one behind the near one.
  for (const qreal shift : {-7.0, 0.0}) {
    const QPointF base = centre + forward * 20 + down * 8 + (forward - down) * shift;
    QPainterPath curve(base);
    curve.quadTo(base + forward * 30 - down * 2, base + forward * 50 + down * 22);
    const LimbStyle style{.fill = shift < 0 ? kAntenna.darker(140) : kAntenna, .outlineWidth = 1.0};
    JointedLimb::along(curve, 7, 6, 9).paint(painter, style);
  }
  QPainterPath head;
  head.addEllipse(centre, 29, 31);
  QRadialGradient shade(centre + forward * 8 - down * 14, 42);
  shade.setColorAt(0.0, QColor(170, 168, 176));
  shade.setColorAt(0.3, kShell.lighter(150));
  shade.setColorAt(1.0, kShell.darker(150));
  painter.fillPath(head, shade);
  painter.strokePath(head, QPen(QColor(8, 8, 10), 1.2));
  // The patch of simple eyes is only a little darker than the head.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(12, 12, 14, 200));
  painter.drawEllipse(centre - forward * 2 - down * 8, 6, 9);
}

}  // namespace sylvenor::draw::arthropods
