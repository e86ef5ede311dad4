#include "BandedCentipede.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "BodyPlates.h"
#include "CentipedeParts.h"
#include "CentipedeTrunk.h"
#include "JointedLimb.h"
#include "SurfaceTexture.h"

namespace sylvenor::draw::arthropods {

namespace {

const QColor kOlive(168, 152, 70);
const QColor kBand(38, 50, 32);
const QColor kHead(160, 88, 38);
const QColor kLeg(232, 160, 44);
const QColor kLastLeg(205, 128, 40);
const QColor kAntenna(196, 168, 80);
const QColor kFang(30, 18, 12);

constexpr int kLegPairs = 21;
constexpr int kAntennaArticles = 18;

CentipedeTrunk makeTrunk() {
  QPainterPath midline(QPointF(800, 322));
  midline.cubicTo(QPointF(710, 318), QPointF(610, 245), QPointF(510, 320));
  midline.cubicTo(QPointF(420, 395), QPointF(320, 440), QPointF(215, 418));
  std::vector<qreal> tergites(kLegPairs, 1.0);
  tergites.front() = 0.75;
  return CentipedeTrunk(
      {.midline = midline,
       .trunkStart = 0.075,
       .trunkEnd = 0.985,
       .tergites = tergites,
       .halfWidth = [](qreal t) { return 29 + 13 * std::sin(std::numbers::pi * t); }});
}

JointedLimb leg(const CentipedeTrunk& trunk, int index, qreal side) {
  const qreal along = qreal(index) / (kLegPairs - 2);
  const qreal stride = 4 * std::sin(index * 1.3 + (side > 0 ? 0.0 : 2.2));
  return {trunk.leg(index, side,
                    JointedLimb::split(74 + 18 * along, {0.14, 0.22, 0.22, 0.2, 0.13, 0.09}),
                    -18 + 34 * along + stride, 6),
          {14, 12, 11, 9.5, 8, 6, 3}};
}

// The last pair: long, thick and spiny, pointing backwards beside the tail.
JointedLimb lastLeg(const CentipedeTrunk& trunk, qreal side) {
  return {trunk.leg(kLegPairs - 1, side,
                    JointedLimb::split(178, {0.22, 0.22, 0.2, 0.18, 0.12, 0.06}), 74, -1),
          {21, 19, 17, 15, 12, 8, 4}};
}

const CentipedeParts::Antenna kAntennaShape{{13, -2},         {50, 6}, {100, 36}, {128, 88},
                                            kAntennaArticles, 8.5,     4};

const CentipedeParts::PoisonClaws kPoisonClaws{{{22, -50}, {36, -24}, {33, 4}, {22, 16}},
                                               {22, 20, 15, 11},
                                               {16, 32},
                                               {3, 28},
                                               10,
                                               2,
                                               {.fill = kHead.lighter(110), .outlineWidth = 1.3},
                                               {.fill = kFang, .outlineWidth = 1.0}};

void paintHead(QPainter& painter, const BodyAxis& axis) {
  QPainterPath plate;
  plate.addRoundedRect(QRectF(-27, -31, 54, 62), 22, 24);
  const QPainterPath head = axis.frame(0.038).map(plate);
  BodyPlates::paint(painter, axis, head, 0.038, 31, kHead);
  BodyPlates::outline(painter, head, kHead, 1.6);
  // Four simple eyes on each side, near the front corners.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(20, 15, 10));
  for (const qreal side : {-1.0, 1.0}) {
    for (const QPointF eye :
         {QPointF(0.012, 20), QPointF(0.02, 22), QPointF(0.012, 25.5), QPointF(0.02, 26.5)}) {
      painter.drawEllipse(axis.at(eye.x(), side * eye.y()), 2.6, 2.6);
    }
  }
  SurfaceTexture::shine(painter, axis.at(0.04, BodyPlates::litSide(axis, 0.04) * 11),
                        axis.tangent(0.04), 36, 18, 110);
}

// An olive plate whose rear part is the dark band that gives the species its name.
void paintTergite(QPainter& painter, const CentipedeTrunk& trunk, int index) {
  const BodyAxis& axis = trunk.axis();
  const auto width = [&](qreal t) { return trunk.halfWidth(t); };
  const qreal t0 = trunk.start(index);
  const qreal t1 = trunk.end(index) + 0.003;
  const qreal middle = (t0 + t1) / 2;
  const QPainterPath shape = BodyPlates::plate(axis, t0, t1, width, 0.3);
  BodyPlates::paint(painter, axis, shape, middle, width(middle), index == 0 ? kHead : kOlive);
  const qreal bandStart = t0 + (t1 - t0) * 0.5;
  const QPainterPath band = axis.band(bandStart, t1 + 0.01, [&](qreal t) { return width(t) + 2; });
  BodyPlates::paint(painter, axis, band.intersected(shape), middle, width(middle), kBand);
  // The two fine furrows that run along each plate.
  painter.save();
  painter.setPen(QPen(kOlive.darker(170), 1.0));
  for (const qreal side : {-0.3, 0.3}) {
    painter.drawLine(axis.at(t0 + 0.002, side * width(t0)), axis.at(t1 - 0.003, side * width(t1)));
  }
  painter.restore();
  BodyPlates::outline(painter, shape, kOlive.darker(130), 1.5);
  SurfaceTexture::shine(painter, axis.at(middle, BodyPlates::litSide(axis, middle) * 15),
                        axis.normal(middle), 30, (t1 - t0) * 330, 80);
}

}  // namespace

void BandedCentipede::paint(QPainter& painter) {
  const CentipedeTrunk trunk = makeTrunk();
  const BodyAxis& axis = trunk.axis();
  std::vector<JointedLimb> legs;
  for (int i = 0; i < kLegPairs - 1; ++i) {
    for (const qreal side : {-1.0, 1.0}) legs.push_back(leg(trunk, i, side));
  }
  CentipedeParts::paintLimbs(
      painter, trunk,
      {{legs, {.fill = kLeg, .outlineWidth = 1.2, .hairs = 2, .hairLength = 5}},
       {{lastLeg(trunk, -1), lastLeg(trunk, 1)},
        {.fill = kLastLeg, .outlineWidth = 1.3, .spines = 3, .spineLength = 7}},
       {{CentipedeParts::antenna(axis, -1, kAntennaShape),
         CentipedeParts::antenna(axis, 1, kAntennaShape)},
        {.fill = kAntenna, .outlineWidth = 1.0}}});
  CentipedeParts::paintPoisonClaws(painter, axis, kPoisonClaws);
  for (int i = kLegPairs - 1; i >= 0; --i) paintTergite(painter, trunk, i);
  paintHead(painter, axis);
}

}  // namespace sylvenor::draw::arthropods
