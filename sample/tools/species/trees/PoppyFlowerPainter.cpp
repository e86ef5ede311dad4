#include "PoppyFlowerPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <random>

#include "BotanyKit.h"
#include "DrawingKit.h"

namespace sylvenor::draw {

namespace {

constexpr qreal kPi = 3.14159265358979323846;
const QColor kScarlet(226, 34, 22);
const QColor kSpot(20, 12, 18);
const QColor kStamen(28, 22, 34);
const QColor kOvary(124, 150, 96);
const QColor kRay(70, 40, 70);
const QColor kBud(112, 142, 66);
const QColor kHair(176, 190, 146);
const QColor kRipe(166, 156, 110);

QPointF polarAround(qreal degrees, qreal length) { return BotanyKit::polar(degrees, length); }

}  // namespace

QPainterPath PoppyFlowerPainter::petal(qreal radius, qreal spread, qreal seed) {
  QPolygonF points{{radius * 0.05, -radius * 0.07}, polarAround(-spread * 0.92, radius * 0.5)};
  const int steps = 16;
  for (int i = 0; i <= steps; ++i) {
    const qreal phi = -spread + 2 * spread * i / steps;
    const qreal crinkle = 0.03 * std::sin(phi * 0.35 + seed) + 0.02 * std::sin(phi * 0.9 + seed);
    points << polarAround(phi, radius * (0.94 + 0.05 * std::cos(phi / spread * kPi / 2) + crinkle));
  }
  points << polarAround(spread * 0.92, radius * 0.5) << QPointF(radius * 0.05, radius * 0.07);
  QPainterPath path = DrawingKit::smoothOpen(points);
  path.closeSubpath();
  return path;
}

void PoppyFlowerPainter::paintPetal(QPainter& painter, qreal radius, qreal angle, qreal spread,
                                    qreal seed) {
  painter.save();
  painter.rotate(angle);
  const QPainterPath shape = petal(radius, spread, seed);
  BotanyKit::castShadow(painter, shape, QPointF(4, 6));
  QRadialGradient silk(QPointF(), radius);
  silk.setColorAt(0, QColor(70, 0, 10));
  silk.setColorAt(0.14, QColor(140, 8, 12));
  silk.setColorAt(0.38, kScarlet.darker(108));
  silk.setColorAt(0.85, kScarlet);
  silk.setColorAt(1, kScarlet.lighter(112));
  painter.fillPath(shape, silk);
  painter.setClipPath(shape);
  const bool fine = DrawingKit::isEnlarged(painter);
  for (int i = -8; i <= 8; ++i) {
    const qreal phi = i * spread / 8.5;
    DrawingKit::outline(
        painter,
        BotanyKit::curve(polarAround(phi * 0.5, radius * 0.12),
                         polarAround(phi * 0.8 + 3, radius * 0.55), polarAround(phi, radius)),
        QColor(150, 10, 10, fine ? 70 : 45), fine ? 0.7 : 1.0);
  }
  QPainterPath spot(QPointF(radius * 0.08, -radius * 0.06));
  spot.cubicTo(polarAround(-spread * 0.45, radius * 0.2), polarAround(-spread * 0.5, radius * 0.36),
               polarAround(0, radius * 0.34));
  spot.cubicTo(polarAround(spread * 0.5, radius * 0.36), polarAround(spread * 0.45, radius * 0.2),
               QPointF(radius * 0.08, radius * 0.06));
  spot.closeSubpath();
  DrawingKit::outline(painter, spot, QColor(255, 240, 230, 70), radius * 0.025);
  painter.fillPath(spot, kSpot);
  painter.setClipping(false);
  DrawingKit::outline(painter, shape, QColor(140, 8, 10), 1.0);
  painter.restore();
}

void PoppyFlowerPainter::paintStamens(QPainter& painter, qreal radius) {
  std::mt19937 random(17);
  const bool fine = DrawingKit::isEnlarged(painter);
  for (int i = 0; i < 160; ++i) {
    const qreal angle = BotanyKit::uniform(random, 0, 360);
    const qreal reach = radius * BotanyKit::uniform(random, 0.2, 0.33);
    const QPointF from = polarAround(angle, radius * 0.12);
    const QPointF to = polarAround(angle + BotanyKit::uniform(random, -8, 8), reach);
    DrawingKit::outline(painter, BotanyKit::curve(from, (from + to) / 2, to), kStamen, 1.0);
    painter.save();
    painter.translate(to);
    painter.rotate(angle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(46, 36, 64));
    painter.drawEllipse(QPointF(), radius * 0.018, radius * 0.011);
    if (fine) {
      painter.setBrush(QColor(130, 120, 150));
      painter.drawEllipse(QPointF(-radius * 0.004, -radius * 0.004), radius * 0.006,
                          radius * 0.004);
    }
    painter.restore();
  }
}

void PoppyFlowerPainter::paintLid(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY,
                                  int rays, const QColor& colour) {
  QRadialGradient disc(centre - QPointF(radiusX * 0.3, radiusY * 0.3), radiusX * 1.2);
  disc.setColorAt(0, colour.lighter(125));
  disc.setColorAt(1, colour.darker(130));
  painter.setPen(QPen(colour.darker(190), 0.9));
  painter.setBrush(disc);
  painter.drawEllipse(centre, radiusX, radiusY);
  for (int i = 0; i < rays; ++i) {
    const qreal angle = (i + 0.5) * 2 * kPi / rays;
    const QPointF rim = centre + QPointF(std::cos(angle) * radiusX, std::sin(angle) * radiusY);
    const QPainterPath ray = BotanyKit::spindle(
        centre, (centre + rim) / 2, rim + (rim - centre) * 0.08, std::max(1.4, radiusX * 0.16));
    painter.fillPath(ray, kRay);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(kRay.darker(140));
  painter.drawEllipse(centre, radiusX * 0.12, radiusY * 0.12);
}

void PoppyFlowerPainter::paintFlower(QPainter& painter, QPointF centre, qreal radius, qreal tilt) {
  painter.save();
  painter.translate(centre);
  painter.scale(1, tilt);
  paintPetal(painter, radius, -160, 66, 1.0);
  paintPetal(painter, radius, 20, 66, 2.5);
  paintPetal(painter, radius * 0.9, -70, 58, 4.0);
  paintPetal(painter, radius * 0.9, 110, 58, 5.5);
  paintStamens(painter, radius);
  QRadialGradient ovary(QPointF(-radius * 0.04, -radius * 0.04), radius * 0.16);
  ovary.setColorAt(0, kOvary.lighter(120));
  ovary.setColorAt(1, kOvary.darker(140));
  painter.setPen(QPen(kOvary.darker(180), 1.0));
  painter.setBrush(ovary);
  painter.drawEllipse(QPointF(0, radius * 0.02), radius * 0.13, radius * 0.13);
  paintLid(painter, QPointF(0, -radius * 0.01), radius * 0.105, radius * 0.105, 9, kOvary);
  painter.restore();
}

void PoppyFlowerPainter::paintBud(QPainter& painter, QPointF attachment, qreal angle,
                                  qreal length) {
  painter.save();
  painter.translate(attachment);
  painter.rotate(angle - 90);
  QPolygonF points;
  const int steps = 20;
  for (int i = 0; i <= 2 * steps; ++i) {
    const qreal s = i <= steps ? qreal(i) / steps : qreal(2 * steps - i) / steps;
    const qreal side = i <= steps ? 1 : -1;
    const qreal x = side * length * 0.34 * std::pow(std::sin(kPi * s), 0.6) * (1 - 0.15 * s);
    points << QPointF(x, s * length);
  }
  QPainterPath body = DrawingKit::smoothOpen(points);
  body.closeSubpath();
  BotanyKit::castShadow(painter, body, QPointF(4, 6));
  QLinearGradient gradient(QPointF(-length * 0.34, 0), QPointF(length * 0.34, 0));
  gradient.setColorAt(0, kBud.lighter(130));
  gradient.setColorAt(0.5, kBud);
  gradient.setColorAt(1, kBud.darker(150));
  painter.fillPath(body, gradient);
  painter.fillPath(BotanyKit::spindle({length * 0.02, length * 0.62}, {length * 0.06, length * 0.8},
                                      {length * 0.02, length * 0.95}, length * 0.05),
                   kScarlet);
  DrawingKit::outline(painter,
                      BotanyKit::curve({0, length * 0.05}, {length * 0.06, length * 0.5},
                                       {length * 0.02, length * 0.97}),
                      kBud.darker(170), 1.0);
  DrawingKit::outline(painter, body, kBud.darker(190), 0.9);
  std::mt19937 random(23);
  const int hairs = DrawingKit::isEnlarged(painter) ? 90 : 55;
  for (int i = 0; i < hairs; ++i) {
    const qreal t = BotanyKit::uniform(random, 0.02, 0.98);
    const QPointF root = body.pointAtPercent(t);
    const QPointF outward = -BotanyKit::normalAt(body, t);
    const QPointF tip = root + outward * (length * BotanyKit::uniform(random, 0.08, 0.15)) +
                        QPointF(0, length * 0.03);
    DrawingKit::outline(painter, BotanyKit::curve(root, (root + tip) / 2, tip), kHair, 1.0);
  }
  painter.restore();
}

void PoppyFlowerPainter::paintCapsule(QPainter& painter, QPointF base, qreal height) {
  const qreal h = height;
  const QPolygonF right{{h * 0.08, 0},        {h * 0.16, -h * 0.1},  {h * 0.28, -h * 0.35},
                        {h * 0.31, -h * 0.6}, {h * 0.26, -h * 0.82}, {h * 0.2, -h * 0.92}};
  QPolygonF outline;
  for (const QPointF& point : right) outline << base + point;
  for (auto point = right.crbegin(); point != right.crend(); ++point) {
    outline << base + QPointF(-point->x(), point->y());
  }
  QPainterPath body = DrawingKit::smoothOpen(outline);
  body.closeSubpath();
  BotanyKit::castShadow(painter, body, QPointF(5, 7));
  QLinearGradient gradient(base + QPointF(-h * 0.3, 0), base + QPointF(h * 0.3, 0));
  gradient.setColorAt(0, kRipe.lighter(125));
  gradient.setColorAt(0.45, kRipe);
  gradient.setColorAt(1, kRipe.darker(160));
  painter.fillPath(body, gradient);
  painter.save();
  painter.setClipPath(body);
  for (qreal across : {-0.6, -0.3, 0.0, 0.3, 0.6}) {
    DrawingKit::outline(painter,
                        BotanyKit::curve(base + QPointF(across * h * 0.1, 0),
                                         base + QPointF(across * h * 0.36, -h * 0.55),
                                         base + QPointF(across * h * 0.22, -h * 0.95)),
                        kRipe.darker(125), 0.9);
  }
  painter.restore();
  DrawingKit::outline(painter, body, kRipe.darker(200), 0.9);
  const QPointF top = base + QPointF(0, -h * 0.95);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(50, 36, 24));
  for (qreal across : {-0.6, -0.2, 0.2, 0.6}) {
    painter.drawEllipse(top + QPointF(across * h * 0.2, h * 0.04), h * 0.025, h * 0.018);
  }
  paintLid(painter, top, h * 0.3, h * 0.09, 10, kRipe);
}

}  // namespace sylvenor::draw
