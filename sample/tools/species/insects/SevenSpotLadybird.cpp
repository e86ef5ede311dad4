#include "SevenSpotLadybird.h"

#include <QPainter>
#include <array>
#include <cmath>
#include <numbers>

#include "CastShadow.h"
#include "LadybirdHead.h"
#include "LadybirdPronotum.h"
#include "LadybirdWingCases.h"

namespace sylvenor::draw {

namespace {

// Where the body coordinates sit on the canvas, and how large they are drawn.
const QPointF kCentre(500, 372);
constexpr qreal kScale = 0.88;

// A right leg, as it would stand at rest; headings in degrees (0 points right, 90 down).
struct LegLayout {
  QPointF base;
  qreal femurHeading;
  qreal femurLength;
  qreal tibiaHeading;
  qreal tibiaLength;
  qreal tarsusHeading;
};

constexpr std::array<LegLayout, 3> kRightLegs{{
    {{124, -176}, -22, 106, -46, 68, -58},
    {{206, -4}, 8, 104, 38, 78, 52},
    {{184, 104}, 34, 110, 70, 84, 84},
}};

// While walking, the front and hind legs of one side swing forward together with the middle
// leg of the other side (negative: towards the head).
constexpr std::array<qreal, 3> kRightSwing{-5, 8, -7};

QPointF heading(qreal degrees) {
  const qreal radians = degrees * std::numbers::pi / 180;
  return {std::cos(radians), std::sin(radians)};
}

BeetleLeg placed(const LegLayout& leg, qreal swing, qreal side) {
  // The left side is the mirror image: x changes sign and headings are reflected.
  const auto turn = [&](qreal degrees) {
    const qreal swung = degrees + swing;
    return side > 0 ? swung : 180 - swung;
  };
  const QPointF base(leg.base.x() * side, leg.base.y());
  const QPointF knee = base + heading(turn(leg.femurHeading)) * leg.femurLength;
  const QPointF ankle = knee + heading(turn(leg.tibiaHeading)) * leg.tibiaLength;
  return BeetleLeg({base, knee, ankle, turn(leg.tarsusHeading)});
}

}  // namespace

std::vector<BeetleLeg> SevenSpotLadybird::legs() {
  std::vector<BeetleLeg> all;
  for (std::size_t i = 0; i < kRightLegs.size(); ++i) {
    all.push_back(placed(kRightLegs[i], kRightSwing[i], 1.0));
    all.push_back(placed(kRightLegs[i], -kRightSwing[i], -1.0));
  }
  return all;
}

std::vector<ClubbedAntenna> SevenSpotLadybird::antennae() {
  return {ClubbedAntenna({64, -262}, {146, -334}, 10),
          ClubbedAntenna({-64, -262}, {-146, -334}, -10)};
}

void SevenSpotLadybird::castShadow(QPainter& painter, const std::vector<BeetleLeg>& legs,
                                   const std::vector<ClubbedAntenna>& antennae) {
  // The dome stands clear of the ground on its legs: a broad, soft shadow to the lower right.
  CastShadow shadow(painter, QPointF(16, 20), 26);
  shadow.add(LadybirdWingCases::outline());
  shadow.add(LadybirdPronotum::outline());
  shadow.add(LadybirdHead::outline());
  for (const BeetleLeg& leg : legs) {
    for (const QPainterPath& piece : leg.silhouettes()) shadow.add(piece);
  }
  for (const ClubbedAntenna& antenna : antennae) shadow.add(antenna.silhouette());
  shadow.cast(QColor(58, 46, 36, 120));
}

void SevenSpotLadybird::paint(QPainter& painter) {
  painter.save();
  painter.translate(kCentre);
  painter.scale(kScale, kScale);
  const std::vector<BeetleLeg> allLegs = legs();
  const std::vector<ClubbedAntenna> bothAntennae = antennae();
  castShadow(painter, allLegs, bothAntennae);
  for (const BeetleLeg& leg : allLegs) leg.paint(painter);
  for (const ClubbedAntenna& antenna : bothAntennae) antenna.paint(painter);
  LadybirdWingCases::paint(painter);
  LadybirdHead::paint(painter);
  LadybirdPronotum::paint(painter);
  painter.restore();
}

}  // namespace sylvenor::draw
