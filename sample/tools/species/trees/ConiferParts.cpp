#include "ConiferParts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <random>

#include "BotanyKit.h"
#include "DrawingKit.h"

namespace sylvenor::draw {

namespace {

const QColor kOrangeBark(192, 96, 52);
const QColor kGreyBark(150, 146, 136);

QPointF onBark(const QPainterPath& spine, qreal t, qreal across, qreal startWidth, qreal endWidth) {
  const qreal width = startWidth + (endWidth - startWidth) * t;
  return spine.pointAtPercent(t) + BotanyKit::normalAt(spine, t) * (across * width);
}

void reshade(QPainter& painter, const QPainterPath& spine, qreal startWidth, qreal endWidth) {
  for (int layer = 0; layer < 3; ++layer) {
    const qreal fraction = 0.45 - layer * 0.12;
    painter.fillPath(BotanyKit::taper(spine, startWidth, endWidth, 0.5 - fraction / 2, fraction),
                     QColor(40, 10, 0, 34));
  }
}

void paintFlake(QPainter& painter, QPointF centre, QPointF tangent, qreal size,
                std::mt19937& random) {
  static const QColor tints[] = {{236, 152, 96}, {244, 184, 136}, {214, 118, 70}, {150, 112, 88}};
  const QColor tint = tints[std::uniform_int_distribution<int>(0, 3)(random)];
  const QPointF normal(-tangent.y(), tangent.x());
  const qreal length = size * BotanyKit::uniform(random, 0.7, 1.5);
  const qreal breadth = size * BotanyKit::uniform(random, 0.25, 0.45);
  QPainterPath flake(centre - tangent * length);
  flake.lineTo(centre - tangent * (length * 0.4) - normal * breadth);
  flake.lineTo(centre + tangent * (length * 0.5) - normal * (breadth * 0.8));
  flake.lineTo(centre + tangent * length + normal * BotanyKit::uniform(random, -2, 2));
  flake.lineTo(centre + tangent * (length * 0.3) + normal * breadth);
  flake.lineTo(centre - tangent * (length * 0.6) + normal * (breadth * 0.7));
  flake.closeSubpath();
  painter.fillPath(flake.translated(normal * (breadth * 0.35)), QColor(90, 35, 15, 120));
  painter.fillPath(flake, tint);
  DrawingKit::outline(painter, flake, tint.darker(150), 0.6);
}

void paintBud(QPainter& painter, QPointF base, qreal angle, qreal size, const QColor& colour) {
  const QPointF tip = base + BotanyKit::polar(angle, size);
  const QPointF middle = base + BotanyKit::polar(angle, size * 0.45);
  const QPainterPath bud = BotanyKit::spindle(base, middle, tip, size * 0.42);
  QRadialGradient gradient(middle + QPointF(-size * 0.1, -size * 0.12), size * 0.5);
  gradient.setColorAt(0, colour.lighter(150));
  gradient.setColorAt(1, colour.darker(140));
  painter.fillPath(bud, gradient);
  DrawingKit::outline(painter, bud, colour.darker(200), 0.7);
  if (!DrawingKit::isEnlarged(painter)) return;
  for (qreal along : {0.3, 0.5, 0.7}) {
    const QPointF centre = base + BotanyKit::polar(angle, size * along);
    const QPointF side = BotanyKit::polar(angle + 90, size * 0.16 * (1.1 - along));
    DrawingKit::outline(
        painter,
        BotanyKit::curve(centre - side, centre + BotanyKit::polar(angle, size * 0.06),
                         centre + side),
        colour.darker(170), 0.5);
  }
}

}  // namespace

void ConiferParts::paintFlakingBark(QPainter& painter, const QPainterPath& spine, qreal startWidth,
                                    qreal endWidth, qreal barkEnd, const QColor& youngWood,
                                    unsigned seed) {
  const QPointF start = spine.pointAtPercent(0);
  const QPointF chord = spine.pointAtPercent(1) - start;
  const qreal stop = QPointF::dotProduct(spine.pointAtPercent(barkEnd) - start, chord) /
                     QPointF::dotProduct(chord, chord);
  QLinearGradient fill(start, start + chord);
  fill.setColorAt(0, kOrangeBark);
  fill.setColorAt(stop - 0.02, kOrangeBark);
  fill.setColorAt(std::min(1.0, stop + 0.06), youngWood);
  fill.setColorAt(1, youngWood);
  BotanyKit::paintStem(painter, spine, startWidth, endWidth, fill, youngWood.darker(200));
  const qreal barkWidth = startWidth + (endWidth - startWidth) * barkEnd;
  const QPainterPath old = BotanyKit::part(spine, 0, barkEnd);
  std::mt19937 random(seed);
  painter.save();
  painter.setClipPath(BotanyKit::taper(spine, startWidth, endWidth));
  const int flakes = DrawingKit::isEnlarged(painter) ? 150 : 80;
  for (int i = 0; i < flakes; ++i) {
    const qreal t = (barkEnd + 0.03) * std::pow(BotanyKit::uniform(random, 0, 1), 0.8);
    const QPointF centre =
        onBark(spine, t, BotanyKit::uniform(random, -0.5, 0.5), startWidth, endWidth);
    const qreal width = startWidth + (endWidth - startWidth) * t;
    paintFlake(painter, centre, BotanyKit::tangentAt(spine, t), width * 0.42, random);
  }
  reshade(painter, old, startWidth, barkWidth);
  painter.restore();
}

void ConiferParts::paintGreyBark(QPainter& painter, const QPainterPath& spine, qreal startWidth,
                                 qreal endWidth, unsigned seed) {
  BotanyKit::paintStem(painter, spine, startWidth, endWidth, kGreyBark);
  std::mt19937 random(seed);
  painter.save();
  painter.setClipPath(BotanyKit::taper(spine, startWidth, endWidth));
  const int cracks = DrawingKit::isEnlarged(painter) ? 70 : 35;
  for (int i = 0; i < cracks; ++i) {
    const qreal t = BotanyKit::uniform(random, 0, 0.95);
    const qreal across = BotanyKit::uniform(random, -0.4, 0.4);
    const qreal span = BotanyKit::uniform(random, 0.02, 0.06);
    DrawingKit::outline(
        painter,
        BotanyKit::curve(onBark(spine, t, across, startWidth, endWidth),
                         onBark(spine, t + span / 2, across + 0.04, startWidth, endWidth),
                         onBark(spine, t + span, across, startWidth, endWidth)),
        kGreyBark.darker(150), 0.8);
  }
  painter.restore();
}

void ConiferParts::paintMarks(QPainter& painter, const QPainterPath& spine, qreal width, int count,
                              const QColor& colour, unsigned seed) {
  std::mt19937 random(seed);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  for (int i = 0; i < count; ++i) {
    const qreal t = BotanyKit::uniform(random, 0, 1);
    const QPointF centre =
        spine.pointAtPercent(t) +
        BotanyKit::normalAt(spine, t) * (BotanyKit::uniform(random, -0.35, 0.35) * width);
    painter.save();
    painter.translate(centre);
    painter.rotate(BotanyKit::angleOf(BotanyKit::tangentAt(spine, t)));
    painter.drawEllipse(QPointF(), width * 0.09, width * 0.04);
    painter.restore();
  }
  painter.restore();
}

void ConiferParts::paintCutEnd(QPainter& painter, const QPainterPath& spine, qreal width,
                               const QColor& bark) {
  painter.save();
  painter.translate(spine.pointAtPercent(0));
  painter.rotate(BotanyKit::angleOf(BotanyKit::tangentAt(spine, 0)));
  const qreal depth = width * 0.2;
  painter.setPen(QPen(bark.darker(160), 1.0));
  painter.setBrush(bark);
  painter.drawEllipse(QPointF(), depth, width / 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(226, 198, 150));
  painter.drawEllipse(QPointF(), depth * 0.86, width * 0.43);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(184, 146, 100), 0.8));
  for (qreal ring : {0.72, 0.52, 0.33}) {
    painter.drawEllipse(QPointF(depth * 0.05, 0), depth * 0.86 * ring, width * 0.43 * ring);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(150, 100, 60));
  painter.drawEllipse(QPointF(depth * 0.05, 0), depth * 0.08, width * 0.04);
  painter.restore();
}

void ConiferParts::paintBuds(QPainter& painter, const QPainterPath& spine, qreal size,
                             const QColor& colour) {
  const QPointF tip = spine.pointAtPercent(1);
  const qreal angle = BotanyKit::angleOf(BotanyKit::tangentAt(spine, 1));
  for (qreal side : {-62.0, 58.0, -28.0, 30.0}) {
    paintBud(painter, tip, angle + side, size * 0.62, colour.darker(112));
  }
  paintBud(painter, tip, angle, size, colour);
}

}  // namespace sylvenor::draw
