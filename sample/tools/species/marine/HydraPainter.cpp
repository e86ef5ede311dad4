#include "HydraPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>
#include <algorithm>

#include "MarineKit.h"

namespace sylvenor::draw {

namespace {

const QColor kFleshEdge(34, 96, 30);
const QColor kTentacle(92, 172, 76, 215);
const QColor kBattery(236, 248, 226, 230);

const QPointF kHead(500, 262);
constexpr int kTentacles = 7;
// Seen a little from above, the ring of tentacles looks like a flattened ellipse.
constexpr qreal kViewTilt = 0.38;

struct Tentacle {
  QPainterPath line;
  qreal depth;  // positive in front of the body
};

QPainterPath bodyLine() {
  QPainterPath line({440, 606});
  line.cubicTo(452, 500, 490, 370, kHead.x(), kHead.y() + 8);
  return line;
}

qreal smoothStep(qreal from, qreal to, qreal t) {
  const qreal x = std::clamp((t - from) / (to - from), 0.0, 1.0);
  return x * x * (3 - 2 * x);
}

// Slim stalk, swollen stomach, narrower head; the foot spreads where it grips the leaf.
qreal bodyWidth(qreal t) {
  return 22 + 36 * smoothStep(0, 0.62, t) - 12 * smoothStep(0.8, 1, t) + 10 * std::exp(-t / 0.04);
}

// A tentacle leaves the mouth ring outwards and a little upwards, then sinks and sways.
Tentacle tentacle(int index) {
  const qreal azimuth = qDegreesToRadians(64.3 + index * 360.0 / kTentacles);
  const qreal length = 370 + 70 * std::sin(index * 2.1);
  const QPointF ringPoint(std::cos(azimuth) * 34, std::sin(azimuth) * 34);
  std::vector<QPointF> points;
  qreal x = ringPoint.x(), y = ringPoint.y(), z = 0;
  constexpr int kSteps = 9;
  for (int step = 0; step <= kSteps; ++step) {
    points.push_back(kHead + QPointF(x, y * kViewTilt - z * 0.93));
    const qreal along = qreal(step) / kSteps;
    const qreal rise = qDegreesToRadians(30 - 100 * along);
    const qreal sway = azimuth + 0.3 * std::sin(along * 3 + index * 1.7);
    const qreal stride = length / kSteps;
    x += std::cos(rise) * std::cos(sway) * stride;
    y += std::cos(rise) * std::sin(sway) * stride;
    z += std::sin(rise) * stride;
  }
  return {MarineKit::smoothOpen(points), std::sin(azimuth)};
}

void paintTentacle(QPainter& painter, const Tentacle& arm, bool enlarged) {
  const QPainterPath shape = MarineKit::taper(arm.line, 11, 2.6);
  painter.fillPath(shape, arm.depth < 0 ? MarineKit::withAlpha(kTentacle, 160) : kTentacle);
  MarineKit::outline(painter, shape, MarineKit::withAlpha(kFleshEdge, 200), 1.3);
  // Batteries of stinging cells make the tentacles knobbly along both edges.
  const int knobs = int(arm.line.length() / (enlarged ? 9 : 14));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kBattery);
  for (int i = 1; i < knobs; ++i) {
    const qreal t = qreal(i) / knobs;
    const QPointF along =
        arm.line.pointAtPercent(std::min(t + 0.01, 1.0)) - arm.line.pointAtPercent(t - 0.01);
    const QPointF normal = MarineKit::unit(QPointF(-along.y(), along.x()));
    const qreal half = (11 - 8.4 * t) / 2;
    const qreal radius = enlarged ? 1.5 + 0.9 * (1 - t) : 2.2;
    painter.drawEllipse(arm.line.pointAtPercent(t) + normal * half * (i % 2 ? 0.7 : -0.7), radius,
                        radius);
  }
}

void paintLeaf(QPainter& painter) {
  // A torn scrap: cut straight on the left, the leaf's own pointed tip on the right.
  QPainterPath leaf({212, 614});
  leaf.cubicTo(380, 594, 560, 598, 660, 624);
  leaf.cubicTo(560, 652, 380, 668, 214, 662);
  leaf.lineTo(206, 646);
  leaf.lineTo(214, 634);
  leaf.closeSubpath();
  MarineKit::softShadow(painter, {430, 660}, 250, 22, 60);
  QLinearGradient green(0, 590, 0, 676);
  green.setColorAt(0, QColor(206, 210, 120, 235));
  green.setColorAt(1, QColor(150, 160, 70, 235));
  painter.fillPath(leaf, green);
  painter.save();
  painter.setClipPath(leaf);
  for (int vein = -3; vein <= 3; ++vein) {
    QPainterPath line({190, 638.0 + vein * 9});
    line.quadTo(430, 634.0 + vein * 11, 660, 626);
    MarineKit::outline(painter, line, QColor(110, 118, 52, vein == 0 ? 200 : 90),
                       vein == 0 ? 3 : 1.2);
  }
  painter.restore();
  MarineKit::outline(painter, leaf, QColor(104, 110, 48), 2);
  MarineKit::softShadow(painter, {440, 610}, 34, 8, 110);
}

QPainterPath budLine() {
  return MarineKit::smoothOpen({{466, 460}, {500, 436}, {530, 404}, {548, 374}});
}

// The bud is a small hydra of its own, already with a mouth and a few short tentacles.
void paintBudTentacles(QPainter& painter) {
  const QPointF mouth(551, 366);
  for (const qreal degrees : {-160.0, -110.0, -60.0, -15.0, 30.0}) {
    QPainterPath stub(mouth);
    stub.quadTo(MarineKit::polar(mouth, 20, degrees - 14), MarineKit::polar(mouth, 40, degrees));
    const QPainterPath shape = MarineKit::taper(stub, 6.5, 2.4);
    painter.fillPath(shape, kTentacle);
    MarineKit::outline(painter, shape, kFleshEdge, 1);
  }
}

void paintBody(QPainter& painter, bool enlarged) {
  const QPainterPath line = bodyLine();
  const QPainterPath bud =
      MarineKit::taper(budLine(), [](qreal t) { return 22 + 6 * std::sin(M_PI * t); });
  const QPainterPath body = MarineKit::taper(line, bodyWidth).united(bud);
  QLinearGradient flesh(420, 0, 600, 0);
  flesh.setColorAt(0, QColor(38, 112, 36, 235));
  flesh.setColorAt(0.45, QColor(110, 190, 90, 190));
  flesh.setColorAt(1, QColor(40, 116, 36, 235));
  painter.fillPath(body, flesh);
  const QPainterPath cavity =
      MarineKit::taper(line, [](qreal t) { return t < 0.25 ? 4 : bodyWidth(t) * 0.42; });
  painter.fillPath(cavity, QColor(220, 245, 200, 70));
  // The green of the hydra comes from tiny algae living in its cells.
  MarineKit::speckle(painter, body, enlarged ? 1400 : 600, enlarged ? 1.3 : 1.8,
                     QColor(24, 92, 26, 120), 7);
  MarineKit::outline(painter, body, kFleshEdge, 2);
}

void paintMouthCone(QPainter& painter) {
  QPainterPath cone({kHead.x() - 21, kHead.y() + 6});
  cone.cubicTo(kHead.x() - 18, kHead.y() - 28, kHead.x() + 18, kHead.y() - 28, kHead.x() + 21,
               kHead.y() + 6);
  cone.closeSubpath();
  QLinearGradient flesh(kHead.x() - 26, 0, kHead.x() + 26, 0);
  flesh.setColorAt(0, QColor(44, 120, 40, 235));
  flesh.setColorAt(0.5, QColor(128, 198, 104, 220));
  flesh.setColorAt(1, QColor(44, 120, 40, 235));
  painter.fillPath(cone, flesh);
  MarineKit::outline(painter, cone, kFleshEdge, 1.6);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(28, 70, 26));
  painter.drawEllipse(QPointF(kHead.x(), kHead.y() - 20), 4, 2);
}

}  // namespace

void HydraPainter::paint(QPainter& painter) {
  const bool enlarged = MarineKit::isEnlarged(painter);
  paintLeaf(painter);
  std::vector<Tentacle> tentacles;
  for (int i = 0; i < kTentacles; ++i) tentacles.push_back(tentacle(i));
  for (const Tentacle& arm : tentacles) {
    if (arm.depth < 0) paintTentacle(painter, arm, enlarged);
  }
  paintBudTentacles(painter);
  paintBody(painter, enlarged);
  paintMouthCone(painter);
  for (const Tentacle& arm : tentacles) {
    if (arm.depth >= 0) paintTentacle(painter, arm, enlarged);
  }
}

}  // namespace sylvenor::draw
