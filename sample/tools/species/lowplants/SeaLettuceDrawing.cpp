#include "SeaLettuceDrawing.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace sylvenor::draw {

using Kit = LowPlantKit;

namespace {

const QPointF kHoldfast(500, 668);
const QColor kEdge(38, 116, 32, 230);

}  // namespace

void SeaLettuceDrawing::paint(QPainter& painter) {
  const bool detailed = Kit::isEnlarged(painter);
  paintHoldfast(painter);
  // Two sheets from the same foot; where they overlap, the thin blades look darker.
  paintSheet(painter, {{492, 330}, 250, 1.42, 4, 170}, detailed);
  paintSheet(painter, {{560, 390}, 190, 1.3, 9, 185}, detailed);
}

QPainterPath SeaLettuceDrawing::outline(const Sheet& sheet) {
  // Broad irregular lobes, a margin ruffled in many small waves, and a narrow foot.
  Kit::Random random(sheet.seed);
  const qreal lobePhase = Kit::uniform(random, 0, 6.3);
  const qreal rufflePhase = Kit::uniform(random, 0, 6.3);
  QVector<QPointF> edge;
  const int count = 150;
  for (int i = 0; i <= count; ++i) {
    // From the lower right, over the top, round to the lower left.
    const qreal angle = qDegreesToRadians(58 - 296.0 * i / count);
    const qreal lobes = 1 + 0.16 * qSin(3 * angle + lobePhase) + 0.08 * qSin(5 * angle);
    const qreal ruffle = 0.045 * qSin(19 * angle + rufflePhase) + 0.022 * qSin(41 * angle) +
                         Kit::uniform(random, -0.01, 0.01);
    const qreal r = sheet.radius * (lobes + ruffle);
    edge << sheet.centre + QPointF(qCos(angle) * r * sheet.stretch, qSin(angle) * r);
  }
  // The sheet narrows to its foot along gently hollowed sides.
  const QPointF left = edge.last();
  const QPointF right = edge.first();
  const auto hollow = [](QPointF from, qreal along) {
    const QPointF point = kHoldfast + (from - kHoldfast) * along;
    return QPointF(kHoldfast.x() + (point.x() - kHoldfast.x()) * 0.55, point.y());
  };
  edge << hollow(left, 0.6) << hollow(left, 0.3) << kHoldfast + QPointF(-6, 0)
       << kHoldfast + QPointF(6, 0) << hollow(right, 0.3) << hollow(right, 0.6);
  return withHoles(Kit::smoothClosed(edge), sheet);
}

QPainterPath SeaLettuceDrawing::withHoles(const QPainterPath& outline, const Sheet& sheet) {
  Kit::Random random(sheet.seed * 31 + 1);
  QPainterPath result = outline;
  for (int i = 0; i < 3; ++i) {
    const QPointF at = sheet.centre + QPointF(Kit::uniform(random, -0.8, 0.8) * sheet.radius,
                                              Kit::uniform(random, -0.6, 0.4) * sheet.radius);
    const qreal size = Kit::uniform(random, 10, 22);
    result = result.subtracted(Kit::blob(at, size * 1.3, size, 0.3, 7, random));
  }
  return result;
}

void SeaLettuceDrawing::paintSheet(QPainter& painter, const Sheet& sheet, bool detailed) {
  const QPainterPath shape = outline(sheet);
  QRadialGradient light(sheet.centre + QPointF(-60, -70), sheet.radius * 1.7);
  light.setColorAt(0, QColor(168, 228, 110, sheet.alpha));
  light.setColorAt(0.6, QColor(108, 196, 68, sheet.alpha));
  light.setColorAt(1, QColor(64, 156, 48, sheet.alpha + 20));
  Kit::fillOutlined(painter, shape, light, kEdge, 1.4);
  paintFolds(painter, shape, sheet);
  if (detailed) paintGrain(painter, shape, sheet);
}

void SeaLettuceDrawing::paintFolds(QPainter& painter, const QPainterPath& outline,
                                   const Sheet& sheet) {
  painter.save();
  painter.setClipPath(outline);
  // The thin margin lets more light through than the middle of the sheet.
  Kit::outline(painter, outline, QColor(210, 245, 170, 90), 14);
  // Soft, wandering creases where the sheet buckles: neither straight nor branched like veins.
  Kit::Random random(sheet.seed + 5);
  for (int i = 0; i < 9; ++i) {
    const qreal angle = Kit::uniform(random, -200, 20);
    const qreal reach = sheet.radius * Kit::uniform(random, 0.75, 1.05);
    const QPointF unit = Kit::polar(QPointF(), reach, angle);
    const QPointF stretched = sheet.centre + QPointF(unit.x() * sheet.stretch, unit.y());
    const QPointF inner =
        sheet.centre + (stretched - sheet.centre) * Kit::uniform(random, 0.45, 0.7);
    const QPointF bend =
        (stretched + inner) / 2 + Kit::polar(QPointF(), Kit::uniform(random, 8, 18), angle + 90);
    const QPainterPath crease = Kit::smoothOpen({stretched, bend, inner});
    Kit::outline(painter, crease, QColor(40, 120, 30, 30), 10);
    Kit::outline(painter, crease.translated(-4, -3), QColor(230, 255, 200, 55), 4);
  }
  painter.restore();
}

void SeaLettuceDrawing::paintGrain(QPainter& painter, const QPainterPath& outline,
                                   const Sheet& sheet) {
  // Under the magnifier: the faint grain of a sheet only two cells thick.
  painter.save();
  painter.setClipPath(outline);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(40, 110, 30, 26));
  Kit::Random random(sheet.seed + 99);
  const QRectF box = outline.boundingRect();
  for (int i = 0; i < 1600; ++i) {
    painter.drawEllipse(Kit::pointIn(random, box), 1.0, 1.0);
  }
  painter.restore();
}

void SeaLettuceDrawing::paintHoldfast(QPainter& painter) {
  Kit::Random random(8);
  Kit::pebble(painter, Kit::blob(QPointF(500, 700), 62, 32, 0.1, 8, random), QColor(160, 154, 144),
              27);
  const QPainterPath disc =
      Kit::smoothClosed({{487, 676}, {492, 666}, {508, 666}, {513, 676}, {500, 679}});
  Kit::fillOutlined(painter, disc, QColor(70, 130, 50), QColor(36, 84, 30), 1);
}

}  // namespace sylvenor::draw
