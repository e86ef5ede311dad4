#include "StoneCentipede.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "BodyPlates.h"
#include "CentipedeParts.h"
#include "CentipedeTrunk.h"
#include "JointedLimb.h"
#include "SurfaceTexture.h"

namespace sylvenor::draw::arthropods {

namespace {

const QColor kTergite(132, 68, 32);
const QColor kHead(112, 54, 26);
const QColor kLeg(190, 120, 62);
const QColor kAntenna(150, 86, 42);
const QColor kClaw(70, 25, 12);

constexpr int kLegPairs = 15;
constexpr int kAntennaArticles = 34;

CentipedeTrunk makeTrunk() {
  QPainterPath midline(QPointF(730, 350));
  midline.cubicTo(QPointF(590, 360), QPointF(430, 470), QPointF(225, 405));
  // Lithobius has long and short plates in turn, except the seventh and eighth, both long.
  constexpr qreal kLong = 1.0;
  constexpr qreal kShort = 0.6;
  return CentipedeTrunk(
      {.midline = midline,
       .trunkStart = 0.09,
       .trunkEnd = 0.965,
       .tergites = {kLong, kShort, kLong, kShort, kLong, kShort, kLong, kLong, kShort, kLong,
                    kShort, kLong, kShort, kLong, 0.8},
       .halfWidth = [](qreal t) { return 36 - 7 * std::pow((t - 0.5) / 0.5, 2); }});
}

// Every leg has seven segments, from the hip to the two-jointed foot.
const std::vector<qreal> kLegShares{0.08, 0.07, 0.17, 0.2, 0.22, 0.16, 0.1};

JointedLimb leg(const CentipedeTrunk& trunk, int index, qreal side) {
  const qreal along = qreal(index) / (kLegPairs - 1);
  if (index == kLegPairs - 1) {
    // The last pair is much longer and trails behind the body.
    return {trunk.leg(index, side, JointedLimb::split(230, kLegShares), 62, 3),
            {13, 12, 11, 10, 9, 8, 6, 4}};
  }
  const qreal stride = 7 * std::sin(index * 1.1 + (side > 0 ? 0.0 : 2.6));
  return {trunk.leg(index, side, JointedLimb::split(108 + 34 * along, kLegShares),
                    -32 + 58 * along + stride, 6),
          {12, 10, 9.5, 8.5, 7.5, 6, 4.5, 2.6}};
}

const CentipedeParts::Antenna kAntennaShape{{16, -4},         {70, 22}, {140, 60}, {190, 118},
                                            kAntennaArticles, 7.5,      3.2};

const CentipedeParts::PoisonClaws kPoisonClaws{{{26, -46}, {40, -24}, {36, -3}, {25, 8}},
                                               {16, 14, 11, 8},
                                               {20, 20},
                                               {6, 17},
                                               7,
                                               1.5,
                                               {.fill = kHead.lighter(125), .outlineWidth = 1.2},
                                               {.fill = kClaw, .outlineWidth = 1.0}};

QPainterPath headShape(const BodyAxis& axis) {
  QPainterPath head;
  head.addEllipse(QPointF(0, 0), 30, 37);
  return axis.frame(0.05).map(head);
}

void paintHead(QPainter& painter, const BodyAxis& axis) {
  const QPainterPath head = headShape(axis);
  BodyPlates::paint(painter, axis, head, 0.05, 37, kHead);
  BodyPlates::outline(painter, head, kHead, 1.6);
  // A cluster of simple eyes behind each antenna.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(25, 12, 8));
  for (const qreal side : {-1.0, 1.0}) {
    for (int row = 0; row < 3; ++row) {
      for (int eye = 0; eye < 4 - row; ++eye) {
        painter.drawEllipse(axis.at(0.028 + 0.009 * eye + 0.004 * row, side * (31.5 - 4 * row)),
                            2.1, 2.1);
      }
    }
  }
  SurfaceTexture::shine(painter, axis.at(0.045, BodyPlates::litSide(axis, 0.05) * 12),
                        axis.tangent(0.05), 34, 20, 120);
}

void paintTrunk(QPainter& painter, const CentipedeTrunk& trunk) {
  const BodyAxis& axis = trunk.axis();
  const auto width = [&](qreal t) { return trunk.halfWidth(t); };
  const qreal tailStart = trunk.end(kLegPairs - 1) - 0.01;
  const QPainterPath tail = axis.band(tailStart, 1.0, [&](qreal t) {
    return 15 * std::sqrt(std::max(0.0, 1 - std::pow((t - tailStart) / (1 - tailStart), 2)));
  });
  BodyPlates::paint(painter, axis, tail, 0.98, 18, kTergite.darker(110));
  BodyPlates::outline(painter, tail, kTergite, 1.4);
  for (int i = kLegPairs - 1; i >= 0; --i) {
    const QPainterPath shape =
        BodyPlates::plate(axis, trunk.start(i), trunk.end(i) + 0.004, width, 0.3);
    const qreal middle = (trunk.start(i) + trunk.end(i)) / 2;
    BodyPlates::paint(painter, axis, shape, middle, width(middle), kTergite);
    BodyPlates::outline(painter, shape, kTergite, 1.5);
    SurfaceTexture::shine(painter, axis.at(middle, BodyPlates::litSide(axis, middle) * 14),
                          axis.normal(middle), 30, (trunk.end(i) - trunk.start(i)) * 300, 90);
  }
  // The collar plate of the poison claws between the head and the first leg plate.
  const QPainterPath collar = BodyPlates::plate(axis, 0.08, trunk.start(0) + 0.004, width, 0.5);
  BodyPlates::paint(painter, axis, collar, 0.085, 30, kTergite);
  BodyPlates::outline(painter, collar, kTergite, 1.4);
}

}  // namespace

void StoneCentipede::paint(QPainter& painter) {
  const CentipedeTrunk trunk = makeTrunk();
  const BodyAxis& axis = trunk.axis();
  std::vector<JointedLimb> legs;
  for (int i = 0; i < kLegPairs; ++i) {
    for (const qreal side : {-1.0, 1.0}) legs.push_back(leg(trunk, i, side));
  }
  CentipedeParts::paintLimbs(
      painter, trunk,
      {{legs, {.fill = kLeg, .outlineWidth = 1.1, .hairs = 3, .hairLength = 5}},
       {{CentipedeParts::antenna(axis, -1, kAntennaShape),
         CentipedeParts::antenna(axis, 1, kAntennaShape)},
        {.fill = kAntenna, .outlineWidth = 0.9}}});
  CentipedeParts::paintPoisonClaws(painter, axis, kPoisonClaws);
  paintTrunk(painter, trunk);
  paintHead(painter, axis);
}

}  // namespace sylvenor::draw::arthropods
