#include "PlantParts.h"

#include <QLineF>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "DiagramKit.h"
#include "PathKit.h"

namespace sylvenor::draw {

namespace {

const QColor kLeafLight(0x9c, 0xd0, 0x64);
const QColor kLeafDark(0x3f, 0x86, 0x2e);
const QColor kVein(0xd8, 0xf0, 0xb8, 200);
const QColor kStem(0x5a, 0x98, 0x36);
const QColor kPetalLight(0xff, 0xf0, 0xf6);
const QColor kPetalDark(0xef, 0x7f, 0xb0);
const QColor kHeart(0xf6, 0xc0, 0x28);
const QColor kSoilTop(0x9a, 0x6e, 0x46);
const QColor kSoilBottom(0x5e, 0x3f, 0x26);
const QColor kPebble(0xc2, 0xad, 0x92);
const QColor kBladeLight(0xc4, 0xa8, 0x4a);
const QColor kBladeDark(0x7a, 0x5e, 0x1c);
const QColor kStoneLight(0xd6, 0xd2, 0xca);
const QColor kStoneDark(0x8e, 0x88, 0x7e);

}  // namespace

void PlantParts::leaf(QPainter& painter, QPointF base, QPointF tip, qreal widthRatio) {
  const QPainterPath blade = PathKit::leaf(base, tip, widthRatio);
  PathKit::fillOutlined(painter, blade, DiagramKit::linear(base, tip, kLeafDark, kLeafLight),
                        kLeafDark.darker(130), 1.6);
  leafVeins(painter, base, tip);
}

void PlantParts::leafVeins(QPainter& painter, QPointF base, QPointF tip) {
  const QLineF axis(base, tip);
  const QPointF side = DiagramKit::across(axis);
  painter.save();
  painter.setPen(QPen(kVein, 1.6, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(axis.pointAt(0.04), axis.pointAt(0.9));
  painter.setPen(QPen(kVein, 1.1, Qt::SolidLine, Qt::RoundCap));
  for (const qreal t : {0.25, 0.45, 0.65}) {
    const qreal reach = axis.length() * 0.16 * (1 - t * 0.5);
    for (const qreal sign : {-1.0, 1.0}) {
      painter.drawLine(axis.pointAt(t), axis.pointAt(t + 0.14) + side * sign * reach);
    }
  }
  painter.restore();
}

void PlantParts::leafyStem(QPainter& painter, QPointF base, qreal height) {
  const QPointF top = base - QPointF(-6, height);
  QPainterPath stem(base);
  stem.cubicTo(base + QPointF(-14, -height * 0.4), top + QPointF(16, height * 0.4), top);
  painter.fillPath(DiagramKit::tapered(stem, 10, 5),
                   DiagramKit::linear(base, top, kStem.darker(115), kStem.lighter(115)));
  const qreal leafLength = height * 0.42;
  for (int i = 0; i < 4; ++i) {
    const qreal t = 0.22 + i * 0.2;
    const QPointF node = stem.pointAtPercent(t);
    const qreal side = i % 2 == 0 ? -1 : 1;
    const qreal length = leafLength * (1 - i * 0.16);
    leaf(painter, node, node + QPointF(side * length, -length * 0.42), 0.34);
  }
  PathKit::fillOutlined(painter, PathKit::leaf(top + QPointF(0, 4), top - QPointF(0, 22), 0.45),
                        DiagramKit::linear(top, top - QPointF(0, 22), kLeafDark, kLeafLight),
                        kLeafDark.darker(130), 1.4);
}

void PlantParts::flower(QPainter& painter, QPointF centre, qreal radius) {
  for (int i = 0; i < 6; ++i) {
    painter.save();
    painter.translate(centre);
    painter.rotate(i * 60.0 - 90);
    const QPainterPath petal = PathKit::ellipse({radius * 0.55, 0}, radius * 0.5, radius * 0.3);
    PathKit::fillOutlined(painter, petal,
                          DiagramKit::linear({0, 0}, {radius, 0}, kPetalDark, kPetalLight),
                          kPetalDark.darker(125), 1.4);
    painter.restore();
  }
  const qreal heart = radius * 0.28;
  PathKit::fillOutlined(painter, PathKit::circle(centre, heart),
                        DiagramKit::rounded(centre, heart, kHeart.lighter(130), kHeart.darker(115)),
                        kHeart.darker(150), 1.4);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(kHeart.darker(160));
  for (int i = 0; i < 8; ++i) {
    const QLineF ray = QLineF::fromPolar(heart * 0.55, i * 45.0).translated(centre);
    painter.drawEllipse(ray.p2(), 2, 2);
  }
  painter.restore();
}

void PlantParts::soil(QPainter& painter, const QRectF& area) {
  painter.fillRect(area,
                   DiagramKit::linear(area.topLeft(), area.bottomLeft(), kSoilTop, kSoilBottom));
  painter.save();
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 18; ++i) {
    const QPointF spot(area.left() + std::fmod(i * 157.0, area.width()),
                       area.top() + 14 + std::fmod(i * 61.0, std::max(1.0, area.height() - 20)));
    painter.setBrush(i % 3 == 0 ? kPebble : kSoilBottom.darker(115));
    painter.drawEllipse(spot, 4 + i % 4 * 2, 3 + i % 3 * 1.5);
  }
  painter.restore();
  painter.fillRect(QRectF(area.left(), area.top(), area.width(), 5), kSoilTop.darker(120));
}

void PlantParts::blade(QPainter& painter, const QPainterPath& centreLine, qreal width) {
  const QPainterPath ribbon = ribbonAlong(centreLine, width);
  const QPointF start = centreLine.pointAtPercent(0);
  const QPointF end = centreLine.pointAtPercent(1);
  PathKit::fillOutlined(painter, ribbon, DiagramKit::linear(start, end, kBladeDark, kBladeLight),
                        kBladeDark.darker(130), 1.6);
  DiagramKit::glow(painter, centreLine.pointAtPercent(0.6), width * 0.3, width * 0.9,
                   90 - centreLine.angleAtPercent(0.6), QColor(255, 255, 230, 70));
}

// Narrow at its foot, wide and rounded at its end, the edge gently waved like a wet ribbon.
QPainterPath PlantParts::ribbonAlong(const QPainterPath& centreLine, qreal width) {
  return DiagramKit::band(centreLine, 80, [width](qreal t) {
    const qreal growth = 0.16 + 0.84 * std::sin(M_PI / 2 * std::min(1.0, t / 0.4));
    const qreal end = std::sqrt(std::max(0.0, 1 - std::pow(t, 8)));
    return width / 2 * growth * end * (1 + 0.09 * std::sin(t * 44));
  });
}

void PlantParts::crust(QPainter& painter, QPointF centre, qreal radius, const QColor& colour) {
  QPainterPath patch = PathKit::circle(centre, radius * 0.62);
  for (int i = 0; i < 9; ++i) {
    const QLineF ray = QLineF::fromPolar(radius * (0.6 + 0.08 * (i % 3)), i * 40.0 + 10);
    patch = patch.united(PathKit::circle(centre + ray.p2(), radius * (0.3 + 0.05 * (i % 2))));
  }
  PathKit::fillOutlined(painter, patch,
                        DiagramKit::rounded(centre, radius, colour.lighter(125), colour),
                        colour.darker(140), 1.4);
  painter.save();
  for (int i = 0; i < 5; ++i) {
    const QPointF cup = centre + QLineF::fromPolar(radius * 0.32 * (i % 2 + 0.5), i * 72.0).p2();
    painter.setPen(QPen(colour.lighter(130), 1.6));
    painter.setBrush(colour.darker(125));
    painter.drawEllipse(cup, radius * 0.11, radius * 0.11);
  }
  painter.restore();
}

void PlantParts::stone(QPainter& painter, const QPainterPath& outline) {
  const QRectF box = outline.boundingRect();
  PathKit::fillOutlined(painter, outline,
                        DiagramKit::rounded(box.center() - QPointF(0, box.height() * 0.2),
                                            box.width() * 0.6, kStoneLight, kStoneDark),
                        kStoneDark.darker(130), 2);
}

}  // namespace sylvenor::draw
