#include "LegDrawings.h"

#include <QLineF>
#include <QPainter>
#include <algorithm>
#include <array>

#include "DiagramKit.h"
#include "HelpPalette.h"
#include "PathKit.h"

namespace sylvenor::draw {

namespace {

const QColor kShellLight(0xea, 0xa8, 0x68);
const QColor kShellDark(0xa8, 0x5a, 0x22);
const QColor kShellLine(0x6e, 0x3a, 0x14);
const QColor kMembrane(0xf6, 0xe2, 0xc4);
const QColor kBodyLight(0xc9, 0xa6, 0x7c);
const QColor kBodyDark(0x7e, 0x5c, 0x3a);
const QColor kSmallLeg(0x5b, 0x3d, 0x22);
const QColor kBand(0xe0, 0x7a, 0x1f, 38);
constexpr qreal kAxisY = 165;
constexpr qreal kBodyHalfHeight = 30;
constexpr qreal kCentreX = 452;
const std::array kLegJoints{QPointF(150, 162), QPointF(222, 184), QPointF(390, 74),
                            QPointF(556, 214), QPointF(640, 266)};
constexpr std::array kLegWidths{34.0, 30.0, 24.0, 16.0};

}  // namespace

void LegDrawings::jointedLeg(QPainter& painter) {
  paintBodyPiece(painter);
  for (std::size_t i = 1; i + 1 < kLegJoints.size(); ++i) {
    paintJoint(painter, kLegJoints[i], kLegWidths[i] * 0.5);
  }
  for (std::size_t i = 0; i + 1 < kLegJoints.size(); ++i) {
    paintLegPiece(painter, kLegJoints[i], kLegJoints[i + 1], kLegWidths[i]);
  }
  paintClaw(painter, kLegJoints[3], kLegJoints[4]);
  for (std::size_t i = 1; i + 1 < kLegJoints.size(); ++i) {
    DiagramKit::ring(painter, kLegJoints[i], 27);
  }
  DiagramKit::label(painter, {{222, 211}, {390, 101}, {556, 241}}, {330, 296},
                    QStringLiteral("articulations"));
  DiagramKit::label(painter, {{473, 144}, {598, 240}}, {650, 110},
                    QStringLiteral("morceaux\nde la patte"));
}

// A piece of the animal's body, cut by the edge of the picture: the leg starts from it.
void LegDrawings::paintBodyPiece(QPainter& painter) {
  const QPainterPath body = PathKit::ellipse({30, 160}, 136, 92);
  PathKit::fillOutlined(painter, body, DiagramKit::rounded({60, 120}, 180, kShellLight, kShellDark),
                        kShellLine, 2.2);
  painter.save();
  painter.setClipPath(body, Qt::IntersectClip);
  painter.setPen(QPen(kShellLine, 2));
  painter.setBrush(Qt::NoBrush);
  for (const qreal x : {-10.0, 70.0}) {
    QPainterPath groove(QPointF(x, 60));
    groove.quadTo(x + 26, 160, x, 260);
    painter.drawPath(groove);
  }
  painter.restore();
}

// One hard piece of the leg, a little shorter than the distance between its joints so that the
// soft joint shows between two pieces.
void LegDrawings::paintLegPiece(QPainter& painter, QPointF from, QPointF to, qreal width) {
  const QLineF axis(from, to);
  const qreal gap = std::min(9.0, axis.length() * 0.1);
  const QPointF start = axis.pointAt(gap / axis.length());
  const QPointF end = axis.pointAt(1 - gap / axis.length());
  const QPainterPath piece =
      DiagramKit::tapered(PathKit::polyline({start, end}), width, width * 0.78);
  const QPointF side = DiagramKit::across(axis) * width;
  const QPointF middle = axis.pointAt(0.5);
  PathKit::fillOutlined(
      painter, piece,
      DiagramKit::linear(middle + side * 0.6, middle - side * 0.6, kShellLight, kShellDark),
      kShellLine, 2);
  DiagramKit::glow(painter, middle + side * 0.2, axis.length() * 0.32, width * 0.14, -axis.angle(),
                   QColor(255, 255, 255, 150));
}

void LegDrawings::paintJoint(QPainter& painter, QPointF centre, qreal radius) {
  PathKit::fillOutlined(painter, PathKit::circle(centre, radius),
                        DiagramKit::rounded(centre, radius, kMembrane, kMembrane.darker(118)),
                        kShellLine, 1.4);
}

void LegDrawings::paintClaw(QPainter& painter, QPointF from, QPointF to) {
  const QLineF axis(from, to);
  for (const qreal t : {0.45, 0.7}) {
    const QPointF point = axis.pointAt(t);
    painter.save();
    painter.setPen(QPen(kShellLine, 2));
    const QPointF side = DiagramKit::across(axis);
    painter.drawLine(point + side * 7, point - side * 7);
    painter.restore();
  }
  QPainterPath hook(to);
  hook.quadTo(to + QPointF(30, 6), to + QPointF(40, 34));
  painter.fillPath(DiagramKit::tapered(hook, 10, 2), kShellLine);
}

void LegDrawings::manyPairs(QPainter& painter) {
  paintPairs(painter, 7, QStringLiteral("ici :\n7 paires\n= 14 pattes"));
}

void LegDrawings::fourPairs(QPainter& painter) {
  paintPairs(painter, 4, QStringLiteral("4 paires\n= 8 pattes"));
}

void LegDrawings::threePairs(QPainter& painter) {
  paintPairs(painter, 3, QStringLiteral("3 paires\n= 6 pattes"));
}

// A body seen from above, head to the right: each pair is a left leg and a right leg on the
// same ring, shown in one shaded band with its number.
void LegDrawings::paintPairs(QPainter& painter, int pairs, const QString& count) {
  const qreal step = pairs > 4 ? 60 : 80;
  const qreal length = pairs * step + 100;
  const qreal left = kCentreX - length / 2 + 30;
  for (int i = 0; i < pairs; ++i) {
    paintPairBand(painter, left + (i + 0.5) * step, pairs - i);
  }
  for (int i = 0; i < pairs; ++i) {
    for (const qreal side : {-1.0, 1.0}) {
      paintSmallLeg(painter, left + (i + 0.5) * step, side);
    }
  }
  paintSegmentedBody(painter, left, pairs, step);
  DiagramKit::caption(painter, {16, pairs > 4 ? 100.0 : 116.0, 150, pairs > 4 ? 130.0 : 98.0},
                      count, HelpPalette::kFirst);
}

void LegDrawings::paintPairBand(QPainter& painter, qreal x, int number) {
  painter.fillPath(PathKit::roundedRect({x - 36, 8, 50, 314}, 22), kBand);
  DiagramKit::badge(painter, {x - 11, 26}, number, HelpPalette::kFirst);
}

void LegDrawings::paintSmallLeg(QPainter& painter, qreal x, qreal side) {
  const QPointF hip(x, kAxisY + side * (kBodyHalfHeight - 4));
  const QPointF knee(x - 6, kAxisY + side * 86);
  const QPointF foot(x - 24, kAxisY + side * 124);
  painter.fillPath(DiagramKit::tapered(PathKit::polyline({hip, knee}), 11, 8), kSmallLeg);
  painter.fillPath(DiagramKit::tapered(PathKit::polyline({knee, foot}), 8, 3.5), kSmallLeg);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(kMembrane);
  painter.drawEllipse(knee, 3, 3);
  painter.restore();
}

// Rings from the tail (left) to the head (right): one ring carries one pair of legs.
void LegDrawings::paintSegmentedBody(QPainter& painter, qreal left, int segments, qreal step) {
  const qreal right = left + segments * step;
  QPainterPath body = PathKit::roundedRect(
      {left - 30, kAxisY - kBodyHalfHeight, right - left + 40, 2 * kBodyHalfHeight}, 28);
  body = body.united(PathKit::ellipse({right + 30, kAxisY}, 40, 34));
  PathKit::fillOutlined(
      painter, body, DiagramKit::linear({0, kAxisY - 34}, {0, kAxisY + 34}, kBodyLight, kBodyDark),
      kBodyDark.darker(140), 2);
  painter.save();
  painter.setPen(QPen(kBodyDark.darker(130), 1.6));
  for (int i = 0; i <= segments; ++i) {
    const qreal x = left + i * step;
    painter.drawLine(QPointF(x, kAxisY - kBodyHalfHeight + 3),
                     QPointF(x, kAxisY + kBodyHalfHeight - 3));
  }
  painter.setPen(Qt::NoPen);
  for (const qreal side : {-1.0, 1.0}) {
    painter.setBrush(QColor(0x22, 0x1a, 0x12));
    painter.drawEllipse(QPointF(right + 46, kAxisY + side * 16), 7, 6);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(right + 48, kAxisY + side * 16 - 2), 2, 2);
  }
  painter.restore();
  DiagramKit::glow(painter, {(left + right) / 2, kAxisY - 14}, (right - left) / 2, 7, 0,
                   QColor(255, 255, 255, 120));
}

}  // namespace sylvenor::draw
