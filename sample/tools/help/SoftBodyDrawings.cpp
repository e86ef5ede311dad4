#include "SoftBodyDrawings.h"

#include <QPainter>
#include <QPolygonF>
#include <QtMath>
#include <cmath>

#include "DiagramKit.h"
#include "PathKit.h"

namespace sylvenor::draw {

namespace {

const QColor kFootLight(0xdc, 0xcf, 0xb8);
const QColor kFootDark(0x9c, 0x8a, 0x6c);
const QColor kShellLight(0xe8, 0xb0, 0x6a);
const QColor kShellDark(0x8a, 0x52, 0x20);
const QColor kShellLine(0x5e, 0x35, 0x12);
const QColor kCuttleLight(0xe9, 0xd2, 0xc4);
const QColor kCuttleDark(0xa9, 0x82, 0x70);
const QColor kCuttlebone(0xff, 0xfd, 0xf6, 230);
const QColor kWormLight(0xf2, 0xa9, 0xa0);
const QColor kWormDark(0xb8, 0x5c, 0x5a);
const QColor kClitellum(0xe8, 0x8a, 0x6c);
const QColor kTissue(0xf3, 0xcd, 0xae);
const QColor kPlateLight(0xfb, 0xf3, 0xdc);
const QColor kPlateDark(0xe0, 0xcc, 0x9c);
const QColor kPlateLine(0xa8, 0x8e, 0x5c);
const QColor kSpineBase(0x6e, 0x3c, 0x82);
const QColor kSpineTip(0xc9, 0xa2, 0xd8);
const QColor kJellyEdge(0x7f, 0xaf, 0xe0, 200);
const QColor kJellyCore(0xe6, 0xf3, 0xff, 210);
const QColor kJellyLine(0x5a, 0x8c, 0xc4);
const QPointF kShellCentre(196, 168);
const QPointF kDomeCentre(372, 480);
constexpr qreal kPlatesInner = 250;
constexpr qreal kPlatesOuter = 302;
const QPointF kBellCentre(372, 150);

}  // namespace

void SoftBodyDrawings::shell(QPainter& painter) {
  paintSnail(painter);
  paintCuttlefish(painter);
  DiagramKit::label(painter, {{170, 110}}, {86, 40}, QStringLiteral("coquille"));
  DiagramKit::label(painter, {{300, 262}}, {160, 310}, QStringLiteral("corps mou"));
  DiagramKit::label(painter, {{600, 160}}, {610, 288}, QStringLiteral("coquille cachée dedans"));
}

void SoftBodyDrawings::paintSnail(QPainter& painter) {
  QPainterPath foot(QPointF(30, 286));
  foot.cubicTo(100, 252, 280, 250, 330, 236);
  foot.cubicTo(350, 196, 390, 186, 398, 226);
  foot.cubicTo(404, 266, 380, 294, 320, 296);
  foot.lineTo(50, 298);
  foot.quadTo(20, 296, 30, 286);
  for (const qreal tilt : {-1.0, 1.0}) {
    QPainterPath stalk(QPointF(378, 212));
    stalk.quadTo(388 + tilt * 6, 160, 394 + tilt * 18, 128);
    painter.fillPath(DiagramKit::tapered(stalk, 9, 6), kFootDark);
    painter.fillPath(PathKit::circle({394 + tilt * 18, 128}, 5.5), QColor(0x2a, 0x22, 0x1a));
  }
  PathKit::fillOutlined(painter, foot,
                        DiagramKit::linear({0, 220}, {0, 296}, kFootLight, kFootDark),
                        kFootDark.darker(130), 2);
  DiagramKit::glow(painter, {250, 276}, 90, 5, -3, QColor(255, 255, 255, 150));
  paintSnailShell(painter);
}

// A coiled shell: a round body of shell with a spiral line winding from the middle outwards.
void SoftBodyDrawings::paintSnailShell(QPainter& painter) {
  const QPainterPath whorl = PathKit::ellipse(kShellCentre, 104, 94);
  PathKit::fillOutlined(painter, whorl,
                        DiagramKit::rounded(kShellCentre, 120, kShellLight, kShellDark), kShellLine,
                        2.4);
  QPolygonF spiral;
  for (int i = 0; i <= 200; ++i) {
    const qreal angle = i * 0.09;
    const qreal radius = 4 + angle * 4.9;
    spiral << kShellCentre + QPointF(std::cos(angle) * radius * 1.1, std::sin(angle) * radius);
  }
  painter.save();
  painter.setPen(QPen(kShellLine, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(spiral);
  painter.restore();
  DiagramKit::glow(painter, kShellCentre + QPointF(-40, -50), 40, 16, -30,
                   QColor(255, 255, 255, 150));
}

// A soft body with its shell hidden inside, seen through the skin as if in a light.
void SoftBodyDrawings::paintCuttlefish(QPainter& painter) {
  for (int arm = -3; arm <= 3; ++arm) {
    QPainterPath line(QPointF(490, 160 + arm * 5));
    line.cubicTo(470, 160 + arm * 8, 456, 162 + arm * 11, 440, 166 + arm * 13);
    painter.fillPath(DiagramKit::tapered(line, 12, 3), kCuttleDark);
  }
  const QPainterPath fin = PathKit::ellipse({604, 160}, 122, 66);
  painter.fillPath(fin, QColor(0xd6, 0xb8, 0xa8, 150));
  const QPainterPath body =
      PathKit::unite({PathKit::ellipse({604, 160}, 110, 54), PathKit::ellipse({494, 160}, 34, 36)});
  PathKit::fillOutlined(painter, body,
                        DiagramKit::rounded({580, 140}, 140, kCuttleLight, kCuttleDark),
                        kCuttleDark.darker(130), 2);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x2a, 0x22, 0x1a));
  painter.drawEllipse(QPointF(492, 146), 7, 6);
  painter.setBrush(kCuttlebone);
  painter.setPen(QPen(kShellLine, 2, Qt::DashLine));
  painter.drawEllipse(QPointF(616, 160), 82, 28);
  painter.setPen(QPen(QColor(0xb8, 0xa4, 0x80), 1.2));
  painter.setBrush(Qt::NoBrush);
  for (const qreal width : {64.0, 46.0, 28.0}) {
    painter.drawEllipse(QPointF(616 + (82 - width) * 0.6, 160), width, width * 0.3);
  }
  painter.restore();
}

void SoftBodyDrawings::noShell(QPainter& painter) {
  paintWorm(painter);
  DiagramKit::medallion(painter, {652, 252}, 52, 0.38, kShellCentre, paintSnailShell);
  DiagramKit::label(painter, {{150, 262}}, {110, 120}, QStringLiteral("corps mou"));
  DiagramKit::label(painter, {{430, 150}}, {470, 300}, QStringLiteral("petits anneaux"));
}

// A worm in an S: a soft tube made of many rings, with the paler band near its head.
void SoftBodyDrawings::paintWorm(QPainter& painter) {
  QPainterPath line(QPointF(60, 240));
  line.cubicTo(200, 330, 300, 80, 430, 150);
  line.cubicTo(540, 210, 600, 110, 690, 70);
  const QPainterPath body = DiagramKit::tapered(line, 34, 40);
  PathKit::fillOutlined(painter, body, DiagramKit::linear({0, 60}, {0, 320}, kWormLight, kWormDark),
                        kWormDark.darker(130), 2);
  painter.fillPath(DiagramKit::tapered(part(line, 0.68, 0.76), 46, 46), kClitellum);
  painter.save();
  painter.setPen(QPen(kWormDark.darker(115), 1.4));
  for (int i = 1; i < 70; ++i) {
    const qreal t = i / 70.0;
    const QPointF point = line.pointAtPercent(t);
    const qreal angle = qDegreesToRadians(line.angleAtPercent(t));
    const qreal half = (34 + 6 * t) / 2 - 1;
    const QPointF normal(std::sin(angle) * half, std::cos(angle) * half);
    painter.drawLine(point - normal, point + normal);
  }
  painter.restore();
  painter.save();
  painter.setPen(QPen(QColor(255, 255, 255, 110), 4, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(line.translated(-3, -8));
  painter.restore();
}

QPainterPath SoftBodyDrawings::part(const QPainterPath& path, qreal from, qreal to) {
  QPainterPath result(path.pointAtPercent(from));
  for (int i = 1; i <= 12; ++i) {
    result.lineTo(path.pointAtPercent(from + (to - from) * i / 12));
  }
  return result;
}

void SoftBodyDrawings::platesAndSpines(QPainter& painter) {
  paintPlates(painter);
  DiagramKit::closeUpHint(painter, {14, 8});
  DiagramKit::label(painter, {{232, 254}}, {110, 170}, QStringLiteral("plaques\ncalcaires"));
  DiagramKit::label(painter, {{440, 132}, {525, 150}}, {620, 60}, QStringLiteral("piquants"));
}

// A slice of a round shell-less animal seen from the side: a layer of chalky plates under a thin
// skin, each big plate bearing a knob on which a spine turns.
void SoftBodyDrawings::paintPlates(QPainter& painter) {
  const QRectF inner(kDomeCentre - QPointF(kPlatesInner, kPlatesInner),
                     QSizeF(2, 2) * kPlatesInner);
  const QRectF outer(kDomeCentre - QPointF(kPlatesOuter, kPlatesOuter),
                     QSizeF(2, 2) * kPlatesOuter);
  painter.fillPath(PathKit::circle(kDomeCentre, kPlatesOuter + 5), QColor(0x8e, 0x6a, 0x5a));
  painter.fillPath(PathKit::circle(kDomeCentre, kPlatesOuter), kPlateDark);
  for (int row = 0; row < 2; ++row) {
    const qreal from = kPlatesInner + row * (kPlatesOuter - kPlatesInner) / 2;
    for (qreal angle = 20 + row * 3.5; angle < 160; angle += 7) {
      QPainterPath plate;
      const QRectF near(kDomeCentre - QPointF(from, from), QSizeF(2, 2) * from);
      const qreal to = from + (kPlatesOuter - kPlatesInner) / 2;
      const QRectF far(kDomeCentre - QPointF(to, to), QSizeF(2, 2) * to);
      plate.arcMoveTo(near, angle + 0.4);
      plate.arcTo(near, angle + 0.4, 6.2);
      plate.arcTo(far, angle + 6.6, -6.2);
      plate.closeSubpath();
      PathKit::fillOutlined(
          painter, plate,
          DiagramKit::rounded(plate.boundingRect().center(), 30, kPlateLight, kPlateDark),
          kPlateLine, 1.2);
    }
  }
  painter.fillPath(PathKit::circle(kDomeCentre, kPlatesInner), kTissue);
  for (qreal angle = 23; angle < 160; angle += 7) {
    const bool big = std::fmod(angle - 23, 14) < 1;
    paintSpine(painter, angle, big ? 96 + 34 * std::abs(std::sin(angle)) : 40);
  }
}

void SoftBodyDrawings::paintSpine(QPainter& painter, qreal degrees, qreal length) {
  const qreal radians = qDegreesToRadians(degrees);
  const QPointF direction(std::cos(radians), -std::sin(radians));
  const QPointF knob = kDomeCentre + direction * (kPlatesOuter + 2);
  QPainterPath line(knob);
  line.lineTo(knob + direction * length);
  painter.fillPath(DiagramKit::tapered(line, length > 60 ? 12 : 7, 2),
                   DiagramKit::linear(knob, knob + direction * length, kSpineBase, kSpineTip));
  const qreal radius = length > 60 ? 9 : 5;
  PathKit::fillOutlined(painter, PathKit::circle(knob, radius),
                        DiagramKit::rounded(knob, radius, kPlateLight, kPlateDark), kPlateLine,
                        1.4);
}

void SoftBodyDrawings::noPlates(QPainter& painter) {
  paintJellyTentacles(painter);
  paintJelly(painter);
  DiagramKit::medallion(painter, {652, 244}, 56, 0.3, {372, 200}, paintPlates);
  DiagramKit::label(painter, {{440, 110}}, {600, 56},
                    QStringLiteral("corps mou,\ncomme de la gelée"));
}

// A see-through jelly bell: soft, with no hard part anywhere.
void SoftBodyDrawings::paintJelly(QPainter& painter) {
  QPainterPath bell(QPointF(212, 196));
  bell.cubicTo(200, 60, 544, 60, 532, 196);
  for (int i = 0; i < 8; ++i) {
    const qreal x = 532 - i * 40;
    bell.quadTo(x - 20, 214, x - 40, 196);
  }
  bell.closeSubpath();
  PathKit::fillWithShadow(painter, bell,
                          DiagramKit::rounded(kBellCentre, 200, kJellyCore, kJellyEdge));
  painter.save();
  painter.setPen(QPen(kJellyLine, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(bell);
  painter.setPen(QPen(QColor(0xd0, 0x7a, 0xb0, 160), 5, Qt::SolidLine, Qt::RoundCap));
  for (const qreal x : {-66.0, -22.0, 22.0, 66.0}) {
    painter.drawArc(QRectF(kBellCentre.x() + x - 18, 120, 36, 30), 0, 180 * 16);
  }
  painter.restore();
  DiagramKit::glow(painter, {316, 104}, 56, 18, -20, QColor(255, 255, 255, 200));
  painter.save();
  painter.setPen(QPen(kJellyLine, 3, Qt::SolidLine, Qt::RoundCap));
  for (const qreal side : {-1.0, 1.0}) {
    for (int i = 0; i < 3; ++i) {
      const qreal x = kBellCentre.x() + side * (186 + i * 14);
      painter.drawArc(QRectF(x - 12, 100 + i * 6, 24, 70 - i * 12), side > 0 ? -40 * 16 : 140 * 16,
                      80 * 16);
    }
  }
  painter.restore();
}

void SoftBodyDrawings::paintJellyTentacles(QPainter& painter) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  for (int i = 0; i < 9; ++i) {
    const qreal x = 226 + i * 36.5;
    QPainterPath line(QPointF(x, 196));
    line.cubicTo(x - 16, 240, x + 16, 270, x - 6 + (i % 3) * 6, 320);
    painter.setPen(QPen(QColor(0x5a, 0x8c, 0xc4, 150), 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(line);
  }
  for (const qreal x : {-26.0, 0.0, 26.0}) {
    QPainterPath arm(QPointF(kBellCentre.x() + x, 180));
    arm.cubicTo(kBellCentre.x() + x - 30, 230, kBellCentre.x() + x + 30, 260,
                kBellCentre.x() + x * 1.6, 310);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd0, 0x8a, 0xc0, 110));
    painter.drawPath(DiagramKit::tapered(arm, 26, 8));
  }
  painter.restore();
}

}  // namespace sylvenor::draw
