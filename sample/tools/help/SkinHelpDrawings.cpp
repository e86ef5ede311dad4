#include "SkinHelpDrawings.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "DiagramKit.h"
#include "HelpPalette.h"
#include "PathKit.h"

namespace sylvenor::draw {

namespace {

const QColor kSkinLight(0xf9, 0xdc, 0xc6);
const QColor kSkinDark(0xe0, 0xa5, 0x86);
const QColor kHairBrown(0x6b, 0x46, 0x2a);
const QColor kBoneLight(0xff, 0xfb, 0xef);
const QColor kBoneDark(0xe4, 0xd0, 0xa4);
const QColor kBoneLine(0x9c, 0x82, 0x55);
const QColor kDisc(0xb9, 0xcb, 0xdc);
const QColor kFurLight(0xb0, 0x7a, 0x4a);
const QColor kDermis(0xf6, 0xd9, 0xcc);
const QColor kEpidermis(0xe9, 0xb0, 0x9c);
const QColor kVaneLight(0xa9, 0xc4, 0xe0);
const QColor kVaneDark(0x4d, 0x72, 0x9c);
const QColor kShaft(0xf5, 0xf0, 0xe2);
const QColor kFrogLight(0xa9, 0xd0, 0x6c);
const QColor kFrogDark(0x4c, 0x86, 0x39);
const QColor kFrogSpot(0x3a, 0x66, 0x2b, 150);
constexpr qreal kSpineX = 232;
const QPointF kFeatherBase(150, 318);
constexpr qreal kFeatherAngle = -29;
constexpr qreal kFeatherLength = 580;

}  // namespace

void SkinHelpDrawings::backbone(QPainter& painter) {
  paintChildBack(painter);
  paintSpine(painter);
  DiagramKit::lens(painter, {kSpineX, 232}, 30, {530, 165}, 128, paintVertebraeCloseUp);
  DiagramKit::label(painter, {{kSpineX - 6, 290}}, {95, 290},
                    QStringLiteral("la colonne\nvertébrale"));
  DiagramKit::label(painter, {{590, 165}}, {668, 62}, QStringLiteral("une\nvertèbre"));
}

void SkinHelpDrawings::paintChildBack(QPainter& painter) {
  QPainterPath half(QPointF(kSpineX, 98));
  half.lineTo(182, 98);
  half.cubicTo(152, 100, 140, 114, 140, 140);
  half.lineTo(148, 250);
  half.cubicTo(150, 280, 156, 300, 160, 340);
  half.lineTo(kSpineX, 340);
  half.closeSubpath();
  const QPainterPath arm =
      PathKit::stroke(PathKit::polyline({{126, 132}, {116, 250}, {120, 340}}), 36);
  const QPainterPath body = PathKit::unite(
      {PathKit::withMirror(half.united(arm), kSpineX),
       PathKit::roundedRect({kSpineX - 19, 60, 38, 50}, 12), PathKit::circle({kSpineX, 46}, 36),
       PathKit::ellipse({kSpineX - 36, 52}, 8, 13), PathKit::ellipse({kSpineX + 36, 52}, 8, 13)});
  PathKit::fillOutlined(painter, body, DiagramKit::cylinder(80, 384, kSkinLight, kSkinDark),
                        kSkinDark.darker(120), 2);
  QPainterPath hairline(QPointF(kSpineX - 50, 56));
  hairline.cubicTo(kSpineX - 20, 74, kSpineX + 20, 74, kSpineX + 50, 56);
  hairline.lineTo(kSpineX + 50, -10);
  hairline.lineTo(kSpineX - 50, -10);
  hairline.closeSubpath();
  const QPainterPath hair = PathKit::circle({kSpineX, 44}, 38).intersected(hairline);
  painter.fillPath(hair,
                   DiagramKit::rounded({kSpineX, 28}, 52, kHairBrown.lighter(160), kHairBrown));
  painter.fillPath(PathKit::roundedRect({kSpineX - 26, 100, 52, 240}, 26), QColor(180, 90, 60, 40));
}

void SkinHelpDrawings::paintSpine(QPainter& painter) {
  constexpr int kCount = 16;
  for (int i = 0; i < kCount; ++i) {
    const qreal y = 92 + i * 15.5;
    const qreal sway = 3 * std::sin(i * 0.45);
    paintVertebra(painter, {kSpineX + sway, y}, 16 + i * 0.9);
  }
}

void SkinHelpDrawings::paintVertebraeCloseUp(QPainter& painter) {
  for (const qreal y : {60.0, 130.0, 200.0, 270.0}) {
    PathKit::fillOutlined(painter, PathKit::ellipse({530, y}, 44, 9),
                          DiagramKit::linear({0, y - 8}, {0, y + 8}, kDisc.lighter(115), kDisc),
                          kDisc.darker(130), 1.5);
  }
  for (const qreal y : {25.0, 95.0, 165.0, 235.0, 305.0}) {
    paintVertebra(painter, {530, y}, 92);
  }
}

// A vertebra seen from behind: a round body, two side wings and the knob felt under the skin.
void SkinHelpDrawings::paintVertebra(QPainter& painter, QPointF centre, qreal width) {
  const qreal height = width * 0.5;
  const QPainterPath core = PathKit::roundedRect(
      {centre.x() - width / 2, centre.y() - height / 2, width, height}, height * 0.35);
  const QPainterPath wing =
      PathKit::leaf(centre, centre + QPointF(width * 0.95, height * 0.15), 0.16);
  const QPainterPath bone = PathKit::unite({core, PathKit::withMirror(wing, centre.x())});
  PathKit::fillOutlined(painter, bone,
                        DiagramKit::rounded(centre, width * 0.7, kBoneLight, kBoneDark), kBoneLine,
                        std::max(1.0, width / 40));
  const QPainterPath knob =
      PathKit::leaf(centre - QPointF(0, height * 0.2), centre + QPointF(0, height * 0.6), 0.26);
  PathKit::fillOutlined(painter, knob,
                        DiagramKit::rounded(centre, width * 0.3, kBoneLight, kBoneDark), kBoneLine,
                        std::max(0.8, width / 50));
}

void SkinHelpDrawings::hair(QPainter& painter) {
  paintSkinBlock(painter);
  for (int i = 0; i < 24; ++i) {
    const qreal length = 150 + 50 * std::abs(std::sin(i * 1.7));
    paintHair(painter, 52 + i * 23.5, length, 30 + 40 * std::abs(std::cos(i * 2.3)), i % 2 == 0);
  }
  DiagramKit::closeUpHint(painter, {14, 10});
  DiagramKit::label(painter, {{612, 112}}, {676, 46}, QStringLiteral("les poils"));
  DiagramKit::label(painter, {{600, 282}}, {676, 250}, QStringLiteral("la peau"));
}

// The skin cut open, so that each hair is seen growing out of its little pit.
void SkinHelpDrawings::paintSkinBlock(QPainter& painter) {
  QPainterPath top(QPointF(24, 226));
  for (int x = 24; x < 624; x += 50) {
    top.quadTo(x + 25, 218 + (x % 100 == 24 ? 0 : 8), x + 50, 226);
  }
  QPainterPath block = top;
  block.lineTo(624, 340);
  block.lineTo(24, 340);
  block.closeSubpath();
  painter.fillPath(block, DiagramKit::linear({0, 222}, {0, 330}, kDermis, kDermis.darker(110)));
  painter.fillPath(block.intersected(PathKit::roundedRect({10, 200, 630, 46}, 0)),
                   DiagramKit::linear({0, 220}, {0, 246}, kEpidermis, kEpidermis.lighter(112)));
  painter.strokePath(block, QPen(kEpidermis.darker(130), 2));
}

void SkinHelpDrawings::paintHair(QPainter& painter, qreal rootX, qreal length, qreal lean,
                                 bool dark) {
  const QPointF root(rootX, 296);
  QPainterPath line(root);
  line.cubicTo(rootX + 2, 250, rootX + lean * 0.2, 226 - length * 0.7, rootX + lean, 226 - length);
  const QColor colour = dark ? kHairBrown : kFurLight;
  painter.fillPath(PathKit::ellipse(root, 8, 14), QColor(0xc7, 0x86, 0x6c, 110));
  painter.fillPath(
      DiagramKit::tapered(line, 8, 1.2),
      DiagramKit::linear(root, root - QPointF(0, length), colour, colour.lighter(135)));
}

void SkinHelpDrawings::feathers(QPainter& painter) {
  painter.save();
  painter.translate(kFeatherBase);
  painter.rotate(kFeatherAngle);
  paintFeather(painter);
  painter.restore();
  DiagramKit::label(painter, {{417, 182}}, {360, 300}, QStringLiteral("la tige"));
  DiagramKit::label(painter, {{430, 108}, {520, 170}}, {640, 280}, QStringLiteral("les barbes"));
}

// A flight feather drawn along its own axis: a stiff shaft with fine barbs on each side, the
// vane split in a few places as real feathers often are.
void SkinHelpDrawings::paintFeather(QPainter& painter) {
  QPainterPath shaft(QPointF(0, 0));
  shaft.quadTo(300, 12, kFeatherLength, 0);
  QPainterPath vane(QPointF(100, 4));
  vane.cubicTo(150, -60, 300, -78, 470, -62);
  vane.cubicTo(560, -52, 600, -20, kFeatherLength, 0);
  vane.cubicTo(560, 32, 420, 50, 260, 46);
  vane.cubicTo(170, 44, 120, 30, 100, 4);
  PathKit::fillWithShadow(painter, vane,
                          DiagramKit::linear({100, 0}, {kFeatherLength, 0}, kVaneLight, kVaneDark));
  painter.save();
  painter.setClipPath(vane, Qt::IntersectClip);
  for (qreal x = 100; x <= kFeatherLength; x += 5) {
    const QPointF start = shaft.pointAtPercent(x / kFeatherLength);
    painter.setPen(
        QPen(std::fmod(x, 10) < 5 ? QColor(0x2f, 0x4f, 0x75, 70) : QColor(255, 255, 255, 45), 1.2));
    painter.drawLine(start, start + QPointF(70, -100));
    painter.drawLine(start, start + QPointF(60, 90));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(HelpPalette::kPanelTop);
  painter.drawPath(DiagramKit::tapered(PathKit::polyline({{300, -96}, {262, -40}}), 7, 1));
  painter.drawPath(DiagramKit::tapered(PathKit::polyline({{446, -100}, {404, -40}}), 7, 1));
  painter.drawPath(DiagramKit::tapered(PathKit::polyline({{360, 66}, {328, 20}}), 6, 1));
  painter.restore();
  paintFeatherDown(painter);
  painter.setPen(Qt::NoPen);
  painter.setBrush(DiagramKit::linear({0, 0}, {kFeatherLength, 0}, kShaft, kShaft.darker(112)));
  painter.drawPath(DiagramKit::tapered(shaft, 9, 2));
}

// The soft fluffy barbs near the base, which do not hook together.
void SkinHelpDrawings::paintFeatherDown(QPainter& painter) {
  const QPen pen(kVaneLight, 1.5, Qt::SolidLine, Qt::RoundCap);
  for (int i = 0; i < 14; ++i) {
    const qreal x = 44 + i * 4.5;
    const qreal wave = (i % 3) * 6;
    QPainterPath up(QPointF(x, 1));
    up.cubicTo(x + 10, -20, x - 10 + wave, -30, x + 14, -46 + wave);
    QPainterPath down(QPointF(x, 1));
    down.cubicTo(x + 12, 18, x - 6, 26 + wave, x + 16, 40 - wave);
    painter.strokePath(up, pen);
    painter.strokePath(down, pen);
  }
}

void SkinHelpDrawings::bareSkin(QPainter& painter) {
  const QPainterPath skin = PathKit::roundedRect({40, 40, 664, 276}, 42);
  PathKit::fillOutlined(painter, skin, DiagramKit::rounded({300, 120}, 470, kFrogLight, kFrogDark),
                        kFrogDark.darker(130), 2);
  painter.save();
  painter.setClipPath(skin, Qt::IntersectClip);
  for (const QRectF& spot :
       {QRectF(90, 200, 80, 52), QRectF(290, 236, 96, 60), QRectF(520, 70, 64, 44),
        QRectF(590, 230, 84, 54), QRectF(200, 70, 44, 30), QRectF(430, 150, 40, 28)}) {
    DiagramKit::glow(painter, spot.center(), spot.width() / 2 + 10, spot.height() / 2 + 10, 0,
                     kFrogSpot);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFrogSpot);
    painter.drawEllipse(spot);
  }
  painter.restore();
  DiagramKit::glow(painter, {300, 84}, 190, 22, -4, QColor(255, 255, 255, 200));
  DiagramKit::glow(painter, {560, 180}, 90, 14, 24, QColor(255, 255, 255, 160));
  DiagramKit::glow(painter, {150, 170}, 70, 12, -40, QColor(255, 255, 255, 140));
  DiagramKit::glow(painter, {420, 270}, 110, 12, 4, QColor(255, 255, 255, 120));
  for (const auto& [centre, radius] :
       std::array{std::pair{QPointF(190, 140), 15.0}, std::pair{QPointF(440, 200), 22.0},
                  std::pair{QPointF(630, 120), 12.0}, std::pair{QPointF(330, 190), 11.0},
                  std::pair{QPointF(500, 110), 10.0}, std::pair{QPointF(110, 270), 13.0},
                  std::pair{QPointF(250, 270), 9.0}, std::pair{QPointF(600, 285), 10.0}}) {
    paintDroplet(painter, centre, radius);
  }
  DiagramKit::closeUpHint(painter, {40, 5});
  DiagramKit::label(painter, {{440, 200}}, {560, 44}, QStringLiteral("une goutte d'eau"));
  DiagramKit::label(painter, {{360, 268}}, {170, 298}, QStringLiteral("peau lisse"));
}

void SkinHelpDrawings::paintDroplet(QPainter& painter, QPointF centre, qreal radius) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(20, 60, 20, 60));
  painter.drawEllipse(centre + QPointF(2, radius * 0.35), radius, radius * 0.85);
  painter.setBrush(
      DiagramKit::rounded(centre, radius, QColor(255, 255, 255, 150), QColor(220, 245, 255, 90)));
  painter.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
  painter.drawEllipse(centre, radius, radius * 0.85);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawEllipse(centre + QPointF(-radius * 0.35, -radius * 0.3), radius * 0.25,
                      radius * 0.18);
  painter.restore();
}

}  // namespace sylvenor::draw
