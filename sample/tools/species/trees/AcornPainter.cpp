#include "AcornPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>

#include "BotanyKit.h"
#include "DrawingKit.h"

namespace sylvenor::draw {

namespace {

constexpr qreal kPi = 3.14159265358979323846;
const QColor kNut(156, 104, 48);
const QColor kCup(170, 146, 104);
const QColor kSection(196, 170, 124);
const QColor kSeed(238, 220, 168);

qreal cupWidth(qreal length) { return length * 0.66; }
qreal cupDepth(qreal length) { return length * 0.36; }

}  // namespace

QPainterPath AcornPainter::nut(qreal length) {
  const qreal start = cupDepth(length) * 0.25;
  const qreal radius = cupWidth(length) * 0.43;
  QPolygonF right;
  QPolygonF left;
  const int steps = 24;
  for (int i = 0; i <= steps; ++i) {
    const qreal s = qreal(i) / steps;
    const qreal x = radius * std::pow(std::sin(kPi * (0.04 + 0.96 * s)), 0.55) * (1 - 0.2 * s);
    right << QPointF(x, start + s * length);
    left << QPointF(-x, start + s * length);
  }
  QPolygonF outline = right;
  for (auto point = left.crbegin(); point != left.crend(); ++point) outline << *point;
  QPainterPath path = DrawingKit::smoothOpen(outline);
  path.closeSubpath();
  return path;
}

QPainterPath AcornPainter::cup(qreal length) {
  const qreal w = cupWidth(length) / 2;
  const qreal d = cupDepth(length);
  QPainterPath path(QPointF(-w, d));
  path.cubicTo(-w * 1.02, d * 0.35, -w * 0.5, 0, 0, 0);
  path.cubicTo(w * 0.5, 0, w * 1.02, d * 0.35, w, d);
  path.cubicTo(w * 0.7, d + w * 0.16, -w * 0.7, d + w * 0.16, -w, d);
  return path;
}

void AcornPainter::place(QPainter& painter, QPointF attachment, qreal angle) {
  painter.translate(attachment);
  painter.rotate(angle - 90);
}

void AcornPainter::paintNutSkin(QPainter& painter, const QPainterPath& shape, qreal length) {
  const QRectF bounds = shape.boundingRect();
  QLinearGradient gradient(bounds.topLeft(), bounds.topRight());
  gradient.setColorAt(0, kNut.lighter(125));
  gradient.setColorAt(0.45, kNut);
  gradient.setColorAt(1, kNut.darker(165));
  painter.fillPath(shape, gradient);
  painter.save();
  painter.setClipPath(shape);
  for (qreal across : {-0.5, -0.2, 0.15, 0.45}) {
    const qreal x = across * cupWidth(length) * 0.43;
    DrawingKit::outline(painter,
                        BotanyKit::curve({x, bounds.top()}, {x * 1.15, bounds.center().y()},
                                         {x * 0.4, bounds.bottom()}),
                        QColor(90, 55, 20, 45), length * 0.035);
  }
  painter.fillPath(BotanyKit::spindle({-cupWidth(length) * 0.2, length * 0.45},
                                      {-cupWidth(length) * 0.24, length * 0.65},
                                      {-cupWidth(length) * 0.14, length * 0.9}, length * 0.07),
                   QColor(255, 250, 230, 110));
  painter.restore();
  DrawingKit::outline(painter, shape, kNut.darker(210), 0.9);
  const QPointF tip(0, cupDepth(length) * 0.25 + length);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kNut.darker(230));
  painter.drawEllipse(tip - QPointF(0, length * 0.02), length * 0.035, length * 0.045);
}

void AcornPainter::paintCupScales(QPainter& painter, const QPainterPath& shape, qreal length) {
  QRadialGradient gradient(QPointF(-cupWidth(length) * 0.2, cupDepth(length) * 0.4),
                           cupWidth(length) * 0.7);
  gradient.setColorAt(0, kCup.lighter(118));
  gradient.setColorAt(1, kCup.darker(150));
  painter.fillPath(shape, gradient);
  painter.save();
  painter.setClipPath(shape);
  const qreal w = cupWidth(length) / 2;
  const qreal d = cupDepth(length);
  const qreal size = length * (DrawingKit::isEnlarged(painter) ? 0.055 : 0.075);
  int row = 0;
  for (qreal y = d * 0.08; y < d * 1.15; y += size * 0.8, ++row) {
    for (qreal x = -w + (row % 2) * size * 0.5; x < w; x += size) {
      QPainterPath scale(QPointF(x - size * 0.45, y - size * 0.3));
      scale.quadTo(QPointF(x, y + size * 0.55), QPointF(x + size * 0.45, y - size * 0.3));
      DrawingKit::outline(painter, scale, kCup.darker(175), size * 0.16);
    }
  }
  painter.restore();
  DrawingKit::outline(painter, shape, kCup.darker(210), 0.9);
}

void AcornPainter::paintCutFace(QPainter& painter, qreal length) {
  const QPainterPath wall = nut(length);
  const QPointF centre = wall.boundingRect().center();
  QTransform inward;
  inward.translate(centre.x(), centre.y());
  inward.scale(0.8, 0.9);
  inward.translate(-centre.x(), -centre.y());
  painter.fillPath(wall, kNut.darker(125));
  const QPainterPath coat = inward.map(wall);
  painter.fillPath(coat, QColor(168, 92, 52));
  QTransform deeper;
  deeper.translate(centre.x(), centre.y());
  deeper.scale(0.92, 0.96);
  deeper.translate(-centre.x(), -centre.y());
  const QPainterPath seed = deeper.map(coat);
  QRadialGradient flesh(centre - QPointF(length * 0.08, length * 0.1), length * 0.5);
  flesh.setColorAt(0, kSeed.lighter(106));
  flesh.setColorAt(1, kSeed.darker(112));
  painter.fillPath(seed, flesh);
  const QRectF inside = seed.boundingRect();
  DrawingKit::outline(
      painter,
      BotanyKit::curve({0, inside.top() + length * 0.06}, {length * 0.02, centre.y()},
                       {0, inside.bottom() - length * 0.1}),
      kSeed.darker(135), length * 0.018);
  painter.setPen(QPen(kSeed.darker(140), 0.7));
  painter.setBrush(QColor(244, 230, 150));
  painter.drawEllipse(QPointF(0, inside.bottom() - length * 0.08), length * 0.04, length * 0.06);
  DrawingKit::outline(painter, wall, kNut.darker(220), 0.9);
}

void AcornPainter::paintWhole(QPainter& painter, QPointF attachment, qreal angle, qreal length) {
  painter.save();
  place(painter, attachment, angle);
  const QPainterPath body = nut(length);
  const QPainterPath bowl = cup(length);
  BotanyKit::castShadow(painter, body.united(bowl), QPointF(5, 7));
  paintNutSkin(painter, body, length);
  paintCupScales(painter, bowl, length);
  painter.restore();
}

void AcornPainter::paintHalved(QPainter& painter, QPointF attachment, qreal angle, qreal length) {
  painter.save();
  place(painter, attachment, angle);
  const QPainterPath bowl = cup(length);
  BotanyKit::castShadow(painter, nut(length).united(bowl), QPointF(5, 7));
  painter.fillPath(bowl, kSection);
  DrawingKit::outline(painter, bowl, kCup.darker(160), length * 0.05);
  DrawingKit::outline(painter, bowl, kCup.darker(230), 0.8);
  paintCutFace(painter, length);
  painter.restore();
}

}  // namespace sylvenor::draw
