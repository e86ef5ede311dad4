#include "PlantHabitatDrawings.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <tuple>
#include <utility>

#include "DiagramKit.h"
#include "PathKit.h"
#include "PlantParts.h"

namespace sylvenor::draw {

namespace {

const QColor kRootLight(0xfa, 0xf0, 0xd8);
const QColor kRootDark(0xd6, 0xbc, 0x8a);
const QColor kRootLine(0x9a, 0x7c, 0x4a);
const QColor kDrop(0x4a, 0xa6, 0xe8);
const QColor kRhizoid(0x7a, 0x4a, 0x22);
const QColor kSky(0xe8, 0xf4, 0xfc);
const QColor kWaterTop(0x8e, 0xd0, 0xf0);
const QColor kWaterBottom(0x2a, 0x6e, 0xb0);
const QColor kWave(255, 255, 255, 120);
const QColor kBarkLight(0xb0, 0x9a, 0x80);
const QColor kBarkDark(0x5e, 0x4c, 0x3a);
const QColor kSunLight(0xff, 0xf2, 0x9a);
const QColor kSunDark(0xf6, 0xb8, 0x22);
const QPointF kRhizoidLens(510, 150);
constexpr qreal kSoilTop = 150;
constexpr qreal kSurface = 70;

}  // namespace

void PlantHabitatDrawings::roots(QPainter& painter) {
  PlantParts::soil(painter, {0, kSoilTop, 744, 190});
  PlantParts::leafyStem(painter, {372, kSoilTop + 4}, 140);
  QPainterPath main(QPointF(372, kSoilTop));
  main.cubicTo(374, 200, 360, 260, 366, 318);
  paintRoot(painter, main, 16);
  for (const auto& [start, bend, end] :
       {std::tuple{QPointF(372, 176), QPointF(310, 190), QPointF(230, 250)},
        std::tuple{QPointF(372, 180), QPointF(440, 196), QPointF(520, 236)},
        std::tuple{QPointF(369, 220), QPointF(320, 250), QPointF(270, 310)},
        std::tuple{QPointF(368, 226), QPointF(420, 250), QPointF(470, 306)},
        std::tuple{QPointF(300, 210), QPointF(270, 200), QPointF(200, 196)},
        std::tuple{QPointF(450, 212), QPointF(500, 206), QPointF(570, 190)}}) {
    QPainterPath branch(start);
    branch.quadTo(bend, end);
    paintRoot(painter, branch, 8);
  }
  for (const QPointF& tip : {QPointF(206, 262), QPointF(544, 250), QPointF(250, 316)}) {
    paintWaterDrop(painter, tip, 11);
  }
  DiagramKit::label(painter, {{300, 210}, {440, 196}}, {372, 300}, QStringLiteral("racines"));
  DiagramKit::label(painter, {{544, 250}}, {650, 290}, QStringLiteral("l'eau du sol"));
}

// A root: pale, tapering to a fine tip, with tiny hairs near its end that drink the water.
void PlantHabitatDrawings::paintRoot(QPainter& painter, const QPainterPath& line, qreal width) {
  PathKit::fillOutlined(
      painter, DiagramKit::tapered(line, width, 1.5),
      DiagramKit::linear(line.pointAtPercent(0), line.pointAtPercent(1), kRootDark, kRootLight),
      kRootLine, 1.2);
  painter.save();
  painter.setPen(QPen(QColor(0xfa, 0xf0, 0xd8, 170), 1));
  for (int i = 0; i < 8; ++i) {
    const qreal t = 0.6 + i * 0.045;
    const QPointF point = line.pointAtPercent(t);
    const qreal side = i % 2 == 0 ? -1 : 1;
    const QLineF hair = QLineF::fromPolar(5, line.angleAtPercent(t) + side * 60).translated(point);
    painter.drawLine(hair);
  }
  painter.restore();
}

void PlantHabitatDrawings::paintWaterDrop(QPainter& painter, QPointF tip, qreal size) {
  QPainterPath drop(tip - QPointF(0, size * 1.5));
  drop.cubicTo(tip + QPointF(size * 1.1, 0), tip + QPointF(size * 0.8, size),
               tip + QPointF(0, size));
  const QPainterPath shape = PathKit::withMirror(drop, tip.x());
  PathKit::fillOutlined(painter, shape,
                        DiagramKit::rounded(tip, size * 1.4, kDrop.lighter(150), kDrop),
                        kDrop.darker(130), 1.2);
  DiagramKit::glow(painter, tip + QPointF(-size * 0.3, -size * 0.1), size * 0.25, size * 0.4, 0,
                   QColor(255, 255, 255, 220));
}

void PlantHabitatDrawings::noRoots(QPainter& painter) {
  PlantParts::soil(painter, {0, 262, 744, 80});
  paintTuft(painter);
  DiagramKit::lens(painter, {170, 262}, 30, kRhizoidLens, 138, paintRhizoidCloseUp);
  DiagramKit::label(painter, {{542, 204}, {478, 204}}, {676, 300},
                    QStringLiteral("rhizoïdes :\npetits poils"));
}

void PlantHabitatDrawings::paintTuft(QPainter& painter) {
  for (int i = 0; i < 11; ++i) {
    const qreal x = 110 + i * 12.0;
    const qreal height = 44 + 16 * std::abs(std::sin(i * 1.3));
    const QPointF base(x, 264);
    const QPointF top(x + (i - 5) * 2.0, 264 - height);
    painter.fillPath(DiagramKit::tapered(PathKit::polyline({base, top}), 4, 2),
                     QColor(0x4f, 0x8a, 0x2e));
    for (int leaf = 0; leaf < 6; ++leaf) {
      const QPointF node = base + (top - base) * (0.2 + leaf * 0.15);
      const qreal side = leaf % 2 == 0 ? -1 : 1;
      PlantParts::leaf(painter, node, node + QPointF(side * 6, -9), 0.4);
    }
  }
}

// The foot of one tiny plant, enlarged: no root goes into the soil, only fine brown hairs cling
// to it.
void PlantHabitatDrawings::paintRhizoidCloseUp(QPainter& painter) {
  const QPointF base(kRhizoidLens.x(), 196);
  PlantParts::soil(painter, {kRhizoidLens.x() - 140, base.y() + 4, 280, 100});
  painter.fillPath(DiagramKit::tapered(PathKit::polyline({base, base - QPointF(0, 200)}), 18, 14),
                   DiagramKit::cylinder(base.x() - 9, base.x() + 9, QColor(0x8c, 0xc4, 0x5a),
                                        QColor(0x3f, 0x7a, 0x2a)));
  for (int i = 0; i < 4; ++i) {
    const QPointF node = base - QPointF(0, 40 + i * 40);
    const qreal side = i % 2 == 0 ? -1 : 1;
    PlantParts::leaf(painter, node, node + QPointF(side * 60, -50), 0.34);
  }
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kRhizoid, 1.3, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 28; ++i) {
    const qreal side = i % 2 == 0 ? -1 : 1;
    const QPointF start = base - QPointF(side * 8, 4 + (i % 7) * 5);
    const qreal reach = 30 + (i % 5) * 11;
    const qreal drop = 4 + (i % 4) * 6;
    QPainterPath hair(start);
    hair.cubicTo(start + QPointF(side * reach * 0.3, drop * 0.2 - 6),
                 start + QPointF(side * reach * 0.6, drop + 6),
                 start + QPointF(side * reach, drop + (i % 3) * 4));
    painter.drawPath(hair);
  }
  painter.restore();
}

void PlantHabitatDrawings::aquatic(QPainter& painter) {
  paintWater(painter);
  paintSeaweed(painter);
  DiagramKit::label(painter, {{560, 190}}, {630, 120}, QStringLiteral("l'eau"));
  DiagramKit::label(painter, {{300, 120}}, {150, 140}, QStringLiteral("la plante"));
}

// The sea seen through a glass wall: the surface at the top, waves and bubbles, a stone below.
void PlantHabitatDrawings::paintWater(QPainter& painter) {
  painter.fillRect(QRectF(0, 0, 744, kSurface), kSky);
  QPainterPath water(QPointF(0, kSurface));
  for (int x = 0; x < 744; x += 62) {
    water.quadTo(x + 31, kSurface - 12, x + 62, kSurface);
  }
  water.lineTo(744, 340);
  water.lineTo(0, 340);
  water.closeSubpath();
  painter.fillPath(water, DiagramKit::linear({0, kSurface}, {0, 330}, kWaterTop, kWaterBottom));
  painter.save();
  painter.setPen(QPen(kWave, 2.4, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  for (const QPointF& start : {QPointF(470, 130), QPointF(560, 210), QPointF(40, 220),
                               QPointF(600, 280), QPointF(60, 120)}) {
    QPainterPath wave(start);
    for (int i = 0; i < 3; ++i) {
      wave.quadTo(start + QPointF(i * 30 + 15, i % 2 == 0 ? -8 : 8),
                  start + QPointF(i * 30 + 30, 0));
    }
    painter.drawPath(wave);
  }
  painter.setPen(QPen(QColor(255, 255, 255, 170), 1.6));
  for (int i = 0; i < 8; ++i) {
    const qreal radius = 3 + i % 3 * 2;
    painter.drawEllipse(QPointF(420 + std::sin(i * 1.9) * 14, 280 - i * 26), radius, radius);
  }
  painter.restore();
  PlantParts::stone(painter, PathKit::ellipse({330, 350}, 230, 50));
}

// Brown ribbons anchored on the stone, held up by the water and swaying in it.
void PlantHabitatDrawings::paintSeaweed(QPainter& painter) {
  for (const auto& [end, bend] : {std::pair{QPointF(250, 90), QPointF(200, 200)},
                                  std::pair{QPointF(340, 70), QPointF(360, 180)},
                                  std::pair{QPointF(430, 130), QPointF(380, 230)}}) {
    QPainterPath line(QPointF(320, 304));
    line.cubicTo(bend, bend + (end - bend) * 0.3 + QPointF(30, 0), end);
    PlantParts::blade(painter, line, 56);
  }
  painter.fillPath(PathKit::ellipse({320, 302}, 22, 9), QColor(0x6a, 0x50, 0x18));
}

void PlantHabitatDrawings::notAquatic(QPainter& painter) {
  paintSun(painter, {660, 60});
  PlantParts::soil(painter, {0, 302, 744, 40});
  paintTrunk(painter);
  QPainterPath rock(QPointF(410, 340));
  rock.cubicTo(420, 240, 480, 200, 560, 206);
  rock.cubicTo(650, 212, 700, 260, 720, 340);
  rock.closeSubpath();
  PlantParts::stone(painter, rock);
  PlantParts::crust(painter, {540, 270}, 34, PlantParts::kCrustOrange);
  PlantParts::crust(painter, {640, 290}, 26, PlantParts::kCrustGrey);
  PlantParts::crust(painter, {200, 110}, 32, PlantParts::kCrustOrange);
  PlantParts::crust(painter, {250, 220}, 24, PlantParts::kCrustGrey);
  PlantParts::crust(painter, {190, 270}, 22, PlantParts::kCrustOrange);
  DiagramKit::label(painter, {{200, 110}}, {380, 60}, QStringLiteral("sur l'écorce"));
  DiagramKit::label(painter, {{540, 270}}, {500, 150}, QStringLiteral("sur un rocher"));
}

void PlantHabitatDrawings::paintTrunk(QPainter& painter) {
  QPainterPath trunk(QPointF(150, -10));
  trunk.lineTo(290, -10);
  trunk.cubicTo(290, 200, 300, 290, 330, 340);
  trunk.lineTo(110, 340);
  trunk.cubicTo(140, 290, 150, 200, 150, -10);
  PathKit::fillOutlined(painter, trunk, DiagramKit::cylinder(120, 320, kBarkLight, kBarkDark),
                        kBarkDark.darker(130), 2);
  painter.save();
  painter.setClipPath(trunk, Qt::IntersectClip);
  painter.setPen(QPen(QColor(0x4a, 0x3a, 0x2a, 120), 2.4, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  for (int i = 0; i < 7; ++i) {
    const qreal x = 160 + i * 20.0;
    QPainterPath furrow(QPointF(x, -10));
    furrow.cubicTo(x + 8, 100, x - 8, 200, x + (i - 3) * 6, 340);
    painter.drawPath(furrow);
  }
  painter.restore();
}

void PlantHabitatDrawings::paintSun(QPainter& painter, QPointF centre) {
  painter.save();
  painter.setPen(QPen(kSunDark, 4, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 12; ++i) {
    const QLineF ray = QLineF::fromPolar(58, i * 30.0).translated(centre);
    painter.drawLine(QLineF(centre, ray.p2()).pointAt(0.7), ray.p2());
  }
  painter.restore();
  PathKit::fillOutlined(painter, PathKit::circle(centre, 32),
                        DiagramKit::rounded(centre, 34, kSunLight, kSunDark), kSunDark.darker(115),
                        2);
}

}  // namespace sylvenor::draw
