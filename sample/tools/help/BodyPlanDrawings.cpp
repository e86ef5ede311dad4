#include "BodyPlanDrawings.h"

#include <QPainter>
#include <QPolygonF>
#include <QtMath>
#include <cmath>

#include "DiagramKit.h"
#include "HelpPalette.h"
#include "PathKit.h"

namespace sylvenor::draw {

namespace {

constexpr qreal kAxisX = 372;
const QPointF kRoundCentre(372, 165);
constexpr qreal kRoundRadius = 116;
const QColor kWormLight(0xf0, 0xc8, 0x8c);
const QColor kWormDark(0xb9, 0x7e, 0x3e);
const QColor kWormSpot(0x8a, 0x4f, 0x1c);
const QColor kLeftTint(0x2f, 0x7d, 0xc4, 40);
const QColor kRightTint(0xe0, 0x7a, 0x1f, 40);
const QColor kJellyLight(0xfb, 0xe6, 0xf3);
const QColor kJellyDark(0xd8, 0x93, 0xc4);
const QColor kJellyLine(0xa8, 0x4f, 0x92);
const QColor kHeadLight(0xe6, 0xb0, 0x72);
const QColor kHeadDark(0x96, 0x5a, 0x24);
const QColor kAntenna(0x6b, 0x3f, 0x1a);

}  // namespace

void BodyPlanDrawings::leftAndRight(QPainter& painter) {
  paintElongatedBody(painter);
  DiagramKit::guide(painter, {kAxisX, 4}, {kAxisX, 326});
  DiagramKit::caption(painter, {110, 140, 140, 50}, QStringLiteral("gauche"), HelpPalette::kSecond);
  DiagramKit::caption(painter, {494, 140, 140, 50}, QStringLiteral("droite"), HelpPalette::kFirst);
}

// An elongated body seen from above, head up: its pattern is drawn once and mirrored, so that
// the two halves are exactly alike.
void BodyPlanDrawings::paintElongatedBody(QPainter& painter) {
  QPainterPath half(QPointF(kAxisX, 18));
  half.cubicTo(336, 18, 314, 44, 318, 84);
  half.cubicTo(322, 120, 296, 160, 300, 212);
  half.cubicTo(304, 262, 346, 300, kAxisX, 318);
  half.closeSubpath();
  const QPainterPath body = PathKit::withMirror(half, kAxisX);
  QPainterPath feeler(QPointF(354, 32));
  feeler.quadTo(348, 18, 334, 12);
  painter.fillPath(PathKit::withMirror(DiagramKit::tapered(feeler, 8, 4), kAxisX), kWormDark);
  PathKit::fillOutlined(painter, body, DiagramKit::cylinder(296, 448, kWormLight, kWormDark),
                        kWormDark.darker(130), 2.2);
  painter.save();
  painter.setClipPath(body, Qt::IntersectClip);
  painter.fillRect(QRectF(0, 0, kAxisX, 330), kLeftTint);
  painter.fillRect(QRectF(kAxisX, 0, kAxisX, 330), kRightTint);
  paintHalfPattern(painter);
  painter.translate(2 * kAxisX, 0);
  painter.scale(-1, 1);
  paintHalfPattern(painter);
  painter.restore();
}

void BodyPlanDrawings::paintHalfPattern(QPainter& painter) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x22, 0x1a, 0x12));
  painter.drawEllipse(QPointF(350, 56), 7, 8);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(348, 53), 2.2, 2.2);
  painter.setBrush(kWormSpot);
  painter.drawEllipse(QPointF(338, 120), 12, 16);
  painter.drawEllipse(QPointF(330, 182), 16, 20);
  painter.drawEllipse(QPointF(340, 246), 12, 15);
  painter.drawEllipse(QPointF(356, 290), 7, 8);
  painter.setPen(QPen(kWormSpot, 3, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  QPainterPath stripe(QPointF(360, 90));
  stripe.cubicTo(350, 150, 356, 220, 362, 280);
  painter.drawPath(stripe);
  painter.restore();
}

void BodyPlanDrawings::noLeftNoRight(QPainter& painter) {
  paintRoundBody(painter);
  for (int i = 0; i < 4; ++i) {
    const qreal angle = qDegreesToRadians(i * 45.0 + 22.5);
    const QPointF reach(std::cos(angle) * (kRoundRadius + 34),
                        std::sin(angle) * (kRoundRadius + 34));
    DiagramKit::guide(painter, kRoundCentre - reach, kRoundCentre + reach);
  }
  QPainterPath around;
  around.arcMoveTo(QRectF(kRoundCentre - QPointF(166, 166), QSizeF(332, 332)), 150);
  around.arcTo(QRectF(kRoundCentre - QPointF(166, 166), QSizeF(332, 332)), 150, 80);
  DiagramKit::arrow(painter, around, HelpPalette::kSecond);
  DiagramKit::label(painter, {kRoundCentre}, {630, 56},
                    QStringLiteral("pareil tout\nautour du centre"));
}

// A round body seen from above: the same part repeats all around the centre, like a pie.
void BodyPlanDrawings::paintRoundBody(QPainter& painter) {
  QPolygonF outline;
  for (int i = 0; i < 240; ++i) {
    const qreal angle = 2 * M_PI * i / 240;
    const qreal radius = kRoundRadius + 9 * std::cos(8 * angle);
    outline << kRoundCentre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
  }
  QPainterPath body;
  body.addPolygon(outline);
  body.closeSubpath();
  PathKit::fillOutlined(painter, body,
                        DiagramKit::rounded(kRoundCentre, kRoundRadius, kJellyLight, kJellyDark),
                        kJellyLine, 2.2);
  for (int i = 0; i < 8; ++i) {
    painter.save();
    painter.translate(kRoundCentre);
    painter.rotate(i * 45.0);
    paintRoundPattern(painter);
    painter.restore();
  }
  PathKit::fillOutlined(painter, PathKit::circle(kRoundCentre, 22),
                        DiagramKit::rounded(kRoundCentre, 22, kJellyLight, kJellyDark.darker(110)),
                        kJellyLine, 1.6);
}

// One of the eight identical slices, drawn around the origin and pointing right.
void BodyPlanDrawings::paintRoundPattern(QPainter& painter) {
  painter.setPen(QPen(kJellyLine, 2.2, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(24, 0), QPointF(kRoundRadius + 2, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xa8, 0x4f, 0x92, 120));
  painter.drawEllipse(QPointF(62, 22), 16, 10);
  painter.setBrush(kJellyLine);
  painter.drawEllipse(QPointF(kRoundRadius - 4, 0), 5, 5);
}

void BodyPlanDrawings::onePairOfAntennae(QPainter& painter) {
  paintHead(painter, 1);
  DiagramKit::caption(painter, {16, 226, 196, 88}, QStringLiteral("1 paire\n= 2 antennes"),
                      HelpPalette::kFirst);
}

void BodyPlanDrawings::twoPairsOfAntennae(QPainter& painter) {
  paintHead(painter, 2);
  DiagramKit::caption(painter, {16, 226, 196, 88}, QStringLiteral("2 paires\n= 4 antennes"),
                      HelpPalette::kFirst);
}

// A head seen from above, front up; each pair of antennae carries its number on both sides.
void BodyPlanDrawings::paintHead(QPainter& painter, int pairs) {
  for (const qreal side : {-1.0, 1.0}) {
    paintAntenna(painter, true, side);
    if (pairs > 1) {
      paintAntenna(painter, false, side);
    }
  }
  const QPainterPath trunk = PathKit::roundedRect({kAxisX - 66, 292, 132, 80}, 26);
  PathKit::fillOutlined(painter, trunk, DiagramKit::cylinder(306, 438, kHeadLight, kHeadDark),
                        kHeadDark.darker(130), 2);
  painter.save();
  painter.setPen(QPen(kHeadDark.darker(120), 1.6));
  painter.drawLine(QPointF(kAxisX - 60, 320), QPointF(kAxisX + 60, 320));
  painter.restore();
  QPainterPath head(QPointF(kAxisX, 184));
  head.cubicTo(kAxisX + 60, 184, kAxisX + 84, 230, kAxisX + 80, 262);
  head.cubicTo(kAxisX + 76, 296, kAxisX + 30, 306, kAxisX, 306);
  const QPainterPath shield = PathKit::withMirror(head, kAxisX);
  PathKit::fillOutlined(painter, shield,
                        DiagramKit::rounded({kAxisX, 236}, 100, kHeadLight, kHeadDark),
                        kHeadDark.darker(130), 2.2);
  for (const qreal side : {-1.0, 1.0}) {
    const QPointF eye(kAxisX + side * 58, 226);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(
        DiagramKit::rounded(eye, 16, QColor(0x5a, 0x4a, 0x3a), QColor(0x1c, 0x14, 0x0e)));
    painter.drawEllipse(eye, 11, 17);
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawEllipse(eye + QPointF(-3, -6), 3, 4);
    painter.restore();
  }
  DiagramKit::glow(painter, {kAxisX, 214}, 34, 10, 0, QColor(255, 255, 255, 150));
}

// A long antenna reaches far up; a short one stays low beside the head. Each carries the
// number of its pair.
void BodyPlanDrawings::paintAntenna(QPainter& painter, bool longOne, qreal side) {
  const QPointF base(kAxisX + side * (longOne ? 22 : 40), longOne ? 192 : 200);
  QPainterPath line(base);
  if (longOne) {
    line.cubicTo(base + QPointF(side * 20, -90), base + QPointF(side * 110, -150),
                 base + QPointF(side * 210, -150));
  } else {
    line.cubicTo(base + QPointF(side * 30, -40), base + QPointF(side * 80, -44),
                 base + QPointF(side * 126, -34));
  }
  painter.fillPath(DiagramKit::tapered(line, longOne ? 10 : 9, 3), kAntenna);
  painter.save();
  painter.setPen(QPen(kHeadLight, 1.6));
  const int rings = longOne ? 14 : 7;
  for (int i = 1; i < rings; ++i) {
    const qreal t = static_cast<qreal>(i) / rings;
    const QPointF point = line.pointAtPercent(t);
    const qreal angle = qDegreesToRadians(line.angleAtPercent(t));
    const QPointF normal(std::sin(angle) * 4, std::cos(angle) * 4);
    painter.drawLine(point - normal, point + normal);
  }
  painter.restore();
  const QPointF mark = line.pointAtPercent(longOne ? 0.72 : 0.8) + QPointF(side * 14, 30);
  DiagramKit::badge(painter, mark, longOne ? 1 : 2,
                    longOne ? HelpPalette::kFirst : HelpPalette::kSecond);
}

}  // namespace sylvenor::draw
