#include "FloweringDrawings.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

#include "DiagramKit.h"
#include "HelpPalette.h"
#include "PathKit.h"
#include "PlantParts.h"

namespace sylvenor::draw {

namespace {

const QColor kBean(0xb4, 0x4a, 0x2c);
const QColor kPumpkinSeed(0xf2, 0xe6, 0xc0);
const QColor kPea(0x8c, 0xc0, 0x4e);
const QColor kSunflowerSeed(0x3a, 0x34, 0x30);
const QColor kSpore(0x8a, 0x5a, 0x22);
const QColor kSorus(0x9a, 0x5c, 0x1e);
const QColor kUnderLeafLight(0xc2, 0xe0, 0x98);
const QColor kUnderLeafDark(0x6f, 0xa8, 0x4c);
const QColor kCapsuleLight(0xe0, 0xa0, 0x50);
const QColor kCapsuleDark(0x8e, 0x56, 0x1e);
const QColor kStalk(0xa0, 0x5a, 0x2a);
const QColor kAppleLight(0xf2, 0x5a, 0x44);
const QColor kAppleDark(0xa8, 0x1e, 0x1e);
const QColor kFleshLight(0xff, 0xfb, 0xe6);
const QColor kFleshDark(0xf2, 0xe4, 0xb0);
const QColor kCore(0xd8, 0xd4, 0x98);
const QColor kPip(0x5a, 0x30, 0x16);
const QColor kConeLight(0xc8, 0x8e, 0x54);
const QColor kConeDark(0x6e, 0x42, 0x1c);
const QColor kWing(0xf4, 0xe2, 0xbc);
const QColor kScaleLight(0xd9, 0xa8, 0x6c);
const QColor kScaleDark(0xa0, 0x68, 0x34);
const QPointF kConeCentre(180, 170);

}  // namespace

void FloweringDrawings::flowersOrSeeds(QPainter& painter) {
  paintFloweringStem(painter);
  paintSeeds(painter);
  DiagramKit::caption(painter, {330, 140, 80, 50}, QStringLiteral("ou"), HelpPalette::kPlants);
  DiagramKit::label(painter, {{244, 66}}, {96, 40}, QStringLiteral("une fleur"));
  DiagramKit::label(painter, {{520, 236}, {612, 224}}, {570, 120}, QStringLiteral("des graines"));
}

void FloweringDrawings::paintFloweringStem(QPainter& painter) {
  PlantParts::soil(painter, {0, 300, 744, 40});
  PlantParts::leafyStem(painter, {196, 302}, 210);
  PlantParts::flower(painter, {202, 88}, 70);
}

// A handful of familiar seeds lying on the ground: beans, pumpkin seeds, sunflower seeds, peas.
void FloweringDrawings::paintSeeds(QPainter& painter) {
  for (const QPointF& centre : {QPointF(640, 268), QPointF(520, 250)}) {
    PathKit::fillOutlined(
        painter, PathKit::ellipse(centre, 30, 19),
        DiagramKit::rounded(centre, 30, kPumpkinSeed.lighter(106), kPumpkinSeed.darker(118)),
        kPumpkinSeed.darker(150), 1.6);
  }
  for (const QPointF& centre : {QPointF(480, 280), QPointF(580, 276), QPointF(690, 262)}) {
    PathKit::fillOutlined(painter, PathKit::ellipse(centre, 32, 20),
                          DiagramKit::rounded(centre, 36, kBean.lighter(150), kBean),
                          kBean.darker(140), 1.6);
    painter.fillPath(PathKit::ellipse(centre + QPointF(0, 12), 8, 3.5), QColor(0xfa, 0xf0, 0xe0));
    DiagramKit::glow(painter, centre + QPointF(-10, -8), 14, 5, -10, QColor(255, 255, 255, 170));
  }
  for (const QPointF& centre : {QPointF(612, 230), QPointF(452, 244)}) {
    const QPainterPath seed =
        PathKit::leaf(centre + QPointF(-22, 10), centre + QPointF(24, -8), 0.4);
    PathKit::fillOutlined(painter, seed, kSunflowerSeed, kSunflowerSeed.darker(150), 1.4);
    painter.save();
    painter.setPen(QPen(QColor(0xf0, 0xf0, 0xe8), 2));
    painter.drawLine(centre + QPointF(-16, 6), centre + QPointF(18, -6));
    painter.restore();
  }
  for (const QPointF& centre : {QPointF(536, 292), QPointF(700, 296), QPointF(426, 294)}) {
    PathKit::fillOutlined(painter, PathKit::circle(centre, 14),
                          DiagramKit::rounded(centre, 15, kPea.lighter(140), kPea.darker(110)),
                          kPea.darker(150), 1.4);
  }
}

void FloweringDrawings::spores(QPainter& painter) {
  paintSporeLeaf(painter);
  paintCapsule(painter);
  DiagramKit::medallion(painter, {66, 66}, 48, 0.5, {202, 88}, [](QPainter& inner) {
    PlantParts::flower(inner, {202, 88}, 70);
  });
  DiagramKit::medallion(painter, {66, 176}, 48, 0.5, {580, 262}, paintSeeds);
  DiagramKit::label(painter, {{318, 168}, {620, 68}}, {470, 36}, QStringLiteral("spores"));
  DiagramKit::label(painter, {{250, 232}}, {150, 306},
                    QStringLiteral("points bruns sous la feuille"));
  DiagramKit::label(painter, {{610, 122}}, {660, 250}, QStringLiteral("capsule"));
}

// A leaf turned over: the brown dots under it are little sacs full of spores.
void FloweringDrawings::paintSporeLeaf(QPainter& painter) {
  const QPointF base(110, 300);
  const QPointF tip(420, 120);
  const QPainterPath blade = PathKit::leaf(base, tip, 0.38);
  PathKit::fillOutlined(painter, blade,
                        DiagramKit::linear(base, tip, kUnderLeafDark, kUnderLeafLight),
                        kUnderLeafDark.darker(130), 1.6);
  const QLineF axis(base, tip);
  const QPointF side = DiagramKit::across(axis);
  painter.save();
  painter.setPen(QPen(kUnderLeafDark.darker(110), 2));
  painter.drawLine(axis.pointAt(0.03), axis.pointAt(0.92));
  for (int i = 0; i < 7; ++i) {
    const qreal t = 0.22 + i * 0.095;
    const qreal reach = 46 * std::sin(M_PI * t) - 6;
    for (const qreal sign : {-1.0, 1.0}) {
      const QPointF dot = axis.pointAt(t) + side * sign * reach * 0.7;
      painter.setPen(QPen(kSorus.darker(130), 1));
      painter.setBrush(DiagramKit::rounded(dot, 7, kSorus.lighter(140), kSorus));
      painter.drawEllipse(dot, 6.5, 6.5);
    }
  }
  painter.restore();
  paintSporeCloud(painter, axis.pointAt(0.6) + side * 22, {40, -90}, 40);
}

// A capsule on a thin stalk, its lid fallen: the spores escape like dust.
void FloweringDrawings::paintCapsule(QPainter& painter) {
  QPainterPath stalk(QPointF(580, 320));
  stalk.cubicTo(570, 260, 600, 200, 596, 150);
  painter.fillPath(DiagramKit::tapered(stalk, 5, 3.5), kStalk);
  for (int i = 0; i < 7; ++i) {
    const QPointF node(548 + i * 10.0, 318 - (i % 3) * 6.0);
    PlantParts::leaf(painter, node, node + QPointF((i - 3) * 7.0, -26 - (i % 2) * 8.0), 0.3);
  }
  painter.save();
  painter.translate(600, 124);
  painter.rotate(-28);
  const QPainterPath capsule = PathKit::roundedRect({-16, -34, 32, 62}, 15);
  PathKit::fillOutlined(painter, capsule,
                        DiagramKit::linear({-16, 0}, {16, 0}, kCapsuleLight, kCapsuleDark),
                        kCapsuleDark.darker(130), 1.6);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kCapsuleDark.darker(150));
  painter.drawEllipse(QPointF(0, -33), 13, 4);
  painter.restore();
  paintSporeCloud(painter, {616, 92}, {70, -70}, 46);
}

void FloweringDrawings::paintSporeCloud(QPainter& painter, QPointF origin, QPointF drift,
                                        int count) {
  painter.save();
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const qreal t = static_cast<qreal>(i) / count;
    const qreal spread = 6 + 34 * t;
    const QPointF wobble(std::sin(i * 2.39) * spread, std::cos(i * 3.71) * spread);
    QColor colour = kSpore;
    colour.setAlpha(220 - static_cast<int>(150 * t));
    painter.setBrush(colour);
    painter.drawEllipse(origin + drift * t + wobble, 2.4, 2.4);
  }
  painter.restore();
}

void FloweringDrawings::seedsInFruit(QPainter& painter) {
  paintApple(painter, {190, 180}, 104);
  paintAppleHalf(painter, {540, 176}, 116);
  DiagramKit::arrow(painter, PathKit::polyline({{318, 176}, {392, 176}}), HelpPalette::kArrow);
  DiagramKit::caption(painter, {300, 196, 112, 40}, QStringLiteral("coupée"), HelpPalette::kPlants);
  DiagramKit::label(painter, {{610, 130}}, {690, 36}, QStringLiteral("le fruit"));
  DiagramKit::label(painter, {{540, 146}, {568, 196}}, {400, 300},
                    QStringLiteral("les graines (pépins)"));
}

void FloweringDrawings::paintApple(QPainter& painter, QPointF centre, qreal radius) {
  QPainterPath half(centre + QPointF(0, -radius * 0.72));
  half.cubicTo(centre + QPointF(radius * 0.5, -radius * 1.05),
               centre + QPointF(radius * 1.1, -radius * 0.7), centre + QPointF(radius, 0));
  half.cubicTo(centre + QPointF(radius * 0.96, radius * 0.8),
               centre + QPointF(radius * 0.4, radius * 0.98), centre + QPointF(0, radius * 0.9));
  const QPainterPath fruit = PathKit::withMirror(half, centre.x());
  QPainterPath stalk(centre + QPointF(0, -radius * 0.66));
  stalk.quadTo(centre + QPointF(4, -radius), centre + QPointF(16, -radius * 1.16));
  painter.fillPath(DiagramKit::tapered(stalk, 7, 5), kStalk.darker(120));
  PlantParts::leaf(painter, centre + QPointF(10, -radius * 1.02),
                   centre + QPointF(80, -radius * 1.22), 0.36);
  PathKit::fillOutlined(
      painter, fruit,
      DiagramKit::rounded(centre + QPointF(-20, -20), radius * 1.3, kAppleLight, kAppleDark),
      kAppleDark.darker(130), 2);
  DiagramKit::glow(painter, centre + QPointF(-radius * 0.45, -radius * 0.35), 22, 34, 20,
                   QColor(255, 255, 255, 170));
}

// The apple cut across: a ring of red skin, the white flesh and the star-shaped core that holds
// the pips.
void FloweringDrawings::paintAppleHalf(QPainter& painter, QPointF centre, qreal radius) {
  const QPainterPath skin = PathKit::circle(centre, radius);
  PathKit::fillOutlined(painter, skin, kAppleDark, kAppleDark.darker(130), 2);
  painter.fillPath(PathKit::circle(centre, radius - 7),
                   DiagramKit::rounded(centre, radius, kFleshLight, kFleshDark));
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const qreal reach = i % 2 == 0 ? radius * 0.46 : radius * 0.16;
    const QPointF point = QLineF::fromPolar(reach, 90 + i * 36.0).translated(centre).p2();
    i == 0 ? star.moveTo(point) : star.lineTo(point);
  }
  star.closeSubpath();
  painter.fillPath(star, kCore);
  for (int i = 0; i < 5; ++i) {
    const qreal degrees = 90 + i * 72.0;
    paintPip(painter, QLineF::fromPolar(radius * 0.28, degrees).translated(centre).p2(), degrees,
             24);
  }
}

void FloweringDrawings::paintPip(QPainter& painter, QPointF centre, qreal degrees, qreal length) {
  const QPointF reach = QLineF::fromPolar(length / 2, degrees).translated(centre).p2() - centre;
  const QPainterPath pip = PathKit::leaf(centre - reach, centre + reach, 0.5);
  PathKit::fillOutlined(painter, pip, DiagramKit::rounded(centre, length, kPip.lighter(170), kPip),
                        kPip.darker(130), 1.2);
}

void FloweringDrawings::nakedSeeds(QPainter& painter) {
  paintCone(painter);
  painter.save();
  painter.translate(540, 176);
  paintConeScale(painter);
  painter.restore();
  QPainterPath path(QPointF(190, 156));
  path.cubicTo(QPointF(300, 60), QPointF(380, 70), QPointF(436, 120));
  DiagramKit::arrow(painter, path, HelpPalette::kArrow);
  DiagramKit::label(painter, {{226, 250}}, {320, 290}, QStringLiteral("cône"));
  DiagramKit::label(painter, {{600, 70}}, {680, 36}, QStringLiteral("écaille"));
  DiagramKit::label(painter, {{510, 236}, {570, 236}}, {640, 304},
                    QStringLiteral("2 graines nues"));
}

// A closed cone: woody scales set in a net, the tip of each showing a diamond with a small knob.
void FloweringDrawings::paintCone(QPainter& painter) {
  painter.fillPath(DiagramKit::tapered(PathKit::polyline({{180, 330}, {180, 280}}), 14, 12),
                   kConeDark.darker(130));
  QPainterPath half(QPointF(kConeCentre.x(), 32));
  half.cubicTo(kConeCentre.x() + 40, 40, kConeCentre.x() + 86, 130, kConeCentre.x() + 78, 200);
  half.cubicTo(kConeCentre.x() + 72, 260, kConeCentre.x() + 40, 292, kConeCentre.x(), 292);
  const QPainterPath body = PathKit::withMirror(half, kConeCentre.x());
  PathKit::fillOutlined(painter, body, kConeDark.darker(170), kConeDark.darker(180), 2);
  painter.save();
  painter.setClipPath(body, Qt::IntersectClip);
  for (int row = 0; row < 20; ++row) {
    for (int column = -3; column <= 3; ++column) {
      const QPointF centre(kConeCentre.x() + column * 38 + (row % 2) * 19, 30 + row * 14.0);
      const QPainterPath scale = DiagramKit::diamond(centre, 17, 12.5);
      const bool missing = row == 9 && column == 0;
      painter.fillPath(
          scale, missing ? QBrush(kConeDark.darker(220))
                         : DiagramKit::linear(centre - QPointF(0, 12), centre + QPointF(0, 12),
                                              kConeLight, kConeDark));
      if (!missing) {
        painter.fillPath(PathKit::circle(centre + QPointF(0, 3), 2.4), kConeDark.darker(150));
      }
    }
  }
  painter.restore();
  DiagramKit::glow(painter, kConeCentre + QPointF(-34, -30), 14, 60, 0, QColor(255, 255, 255, 80));
}

// One scale pulled off the cone and seen from above, with its two seeds lying on it, bare.
void FloweringDrawings::paintConeScale(QPainter& painter) {
  QPainterPath scale(QPointF(-22, 134));
  scale.cubicTo(-60, 80, -130, -40, -90, -100);
  scale.cubicTo(-50, -150, 50, -150, 90, -100);
  scale.cubicTo(130, -40, 60, 80, 22, 134);
  scale.closeSubpath();
  PathKit::fillOutlined(painter, scale,
                        DiagramKit::linear({0, 134}, {0, -140}, kScaleLight, kScaleDark),
                        kConeDark.darker(140), 2);
  const QPainterPath tip = scale.intersected(PathKit::ellipse({0, -116}, 120, 42));
  painter.fillPath(tip, DiagramKit::linear({0, -150}, {0, -74}, kConeDark, kConeLight));
  paintWingedSeed(painter, {-30, 60}, {-48, -64});
  paintWingedSeed(painter, {30, 60}, {48, -64});
}

void FloweringDrawings::paintWingedSeed(QPainter& painter, QPointF seed, QPointF wingTip) {
  const QPainterPath wing = PathKit::leaf(seed + QPointF(0, 10), wingTip, 0.52);
  PathKit::fillOutlined(painter, wing, DiagramKit::linear(seed, wingTip, kWing, kWing.lighter(112)),
                        kWing.darker(150), 1.4);
  painter.save();
  painter.setPen(QPen(kWing.darker(125), 1));
  for (const qreal shift : {-8.0, 0.0, 8.0}) {
    painter.drawLine(seed + QPointF(shift * 0.5, -10), wingTip + QPointF(shift, 28));
  }
  painter.restore();
  PathKit::fillOutlined(
      painter, PathKit::ellipse(seed, 15, 19),
      DiagramKit::rounded(seed, 18, QColor(0x7a, 0x52, 0x2e), QColor(0x3a, 0x22, 0x10)),
      QColor(0x2a, 0x18, 0x0a), 1.2);
}

}  // namespace sylvenor::draw
