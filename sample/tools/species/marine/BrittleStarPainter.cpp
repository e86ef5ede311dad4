#include "BrittleStarPainter.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "MarineKit.h"
#include "PathKit.h"

namespace sylvenor::draw {

namespace {

const QPointF kCentre(500, 392);
constexpr qreal kDiscRadius = 70;
constexpr qreal kArmLength = 300;
constexpr int kArms = 5;

const QColor kRed(186, 36, 62);
const QColor kPink(236, 146, 160);
const QColor kWhite(250, 240, 238);
const QColor kPlateLine(120, 30, 50);

qreal armBearing(int arm) { return -90 + arm * 360.0 / kArms; }

qreal armWidth(qreal t) { return 22 * std::pow(1 - t, 0.7) + 4; }

// Each arm snakes: its side-to-side swing grows towards the tip.
QPainterPath armLine(int arm) {
  const qreal bearing = qDegreesToRadians(armBearing(arm));
  const QPointF out(std::cos(bearing), std::sin(bearing));
  const QPointF side(-out.y(), out.x());
  const qreal phase = arm * 1.7;
  std::vector<QPointF> points;
  constexpr int kSteps = 8;
  for (int i = 0; i <= kSteps; ++i) {
    const qreal t = qreal(i) / kSteps;
    const qreal swing = 46 * t * std::sin(t * 5.2 + phase);
    points.push_back(kCentre + out * (kDiscRadius * 0.7 + kArmLength * t) + side * swing);
  }
  return MarineKit::smoothOpen(points);
}

QPainterPath piece(const QPainterPath& line, qreal from, qreal to) {
  std::vector<QPointF> points;
  constexpr int kSteps = 4;
  for (int i = 0; i <= kSteps; ++i)
    points.push_back(line.pointAtPercent(from + (to - from) * i / kSteps));
  return MarineKit::smoothOpen(points);
}

QPointF normalAt(const QPainterPath& line, qreal t) {
  const QPointF ahead =
      line.pointAtPercent(std::min(t + 0.005, 1.0)) - line.pointAtPercent(std::max(t - 0.005, 0.0));
  return QPointF(-ahead.y(), ahead.x()) / std::max(1e-6, std::hypot(ahead.x(), ahead.y()));
}

// Joint positions along an arm, closer together where the arm is thin.
std::vector<qreal> joints(const QPainterPath& line) {
  std::vector<qreal> stops{0};
  const qreal length = line.length();
  while (stops.back() < 0.985) {
    const qreal step = (armWidth(stops.back()) * 0.62 + 3) / length;
    stops.push_back(std::min(1.0, stops.back() + step));
  }
  return stops;
}

QColor bandColour(int joint) {
  static const QColor bands[] = {kRed, kRed, kPink, kPink, kWhite, kWhite, kPink, kPink};
  return bands[joint % 8];
}

// Glassy, thorny spines stand out on both sides of every joint, slanting towards the tip.
void paintSpines(QPainter& painter, const QPainterPath& line, const std::vector<qreal>& stops,
                 bool enlarged) {
  std::mt19937 random(101);
  for (std::size_t i = 1; i < stops.size(); ++i) {
    const qreal t = stops[i];
    const QPointF point = line.pointAtPercent(t);
    const QPointF normal = normalAt(line, t);
    const QPointF forward(normal.y(), -normal.x());
    for (const qreal side : {-1.0, 1.0}) {
      for (const qreal slant : {0.55, 1.1}) {
        const QPointF base = point + normal * side * armWidth(t) * 0.45;
        const qreal length = (armWidth(t) * 1.5 + 10) * MarineKit::uniform(random, 0.8, 1.15);
        const QPointF direction = normal * side + forward * slant * 0.6;
        const QPointF tip = base + MarineKit::unit(direction) * length * (slant > 1 ? 0.8 : 1);
        const QPainterPath spine = MarineKit::spindle(base, tip, 2.8, 0.8);
        painter.fillPath(spine, QColor(255, 255, 255, 190));
        MarineKit::outline(painter, spine, QColor(150, 130, 140, 150), 0.6);
        if (!enlarged) continue;
        painter.setPen(QPen(QColor(150, 130, 140, 170), 0.6));
        for (const qreal at : {0.35, 0.6, 0.82}) {
          const QPointF thorn = base + (tip - base) * at;
          painter.drawLine(thorn, thorn + forward * 2.2 + normal * side * 1.2);
        }
      }
    }
  }
}

void paintArm(QPainter& painter, int arm, bool enlarged) {
  const QPainterPath line = armLine(arm);
  const std::vector<qreal> stops = joints(line);
  paintSpines(painter, line, stops, enlarged);
  for (std::size_t i = 0; i + 1 < stops.size(); ++i) {
    const qreal from = stops[i];
    const qreal to = stops[i + 1];
    const QPainterPath plate =
        MarineKit::taper(piece(line, from, to), armWidth(from), armWidth(to));
    const QPointF middle = line.pointAtPercent((from + to) / 2);
    QRadialGradient shine(middle - normalAt(line, from) * armWidth(from) * 0.15,
                          armWidth(from) * 0.7);
    const QColor colour = bandColour(int(i));
    shine.setColorAt(0, MarineKit::blend(colour, Qt::white, 0.35));
    shine.setColorAt(1, colour.darker(118));
    painter.fillPath(plate, shine);
    MarineKit::outline(painter, plate, MarineKit::withAlpha(kPlateLine, 190), 1);
  }
}

QPainterPath discShape() {
  std::vector<QPointF> points;
  for (int k = 0; k < 2 * kArms; ++k) {
    const qreal radius = k % 2 ? kDiscRadius * 0.88 : kDiscRadius;
    points.push_back(MarineKit::polar(kCentre, radius, armBearing(0) + k * 36.0));
  }
  return MarineKit::smoothClosed(points);
}

// The disc bristles with tiny spines, but for a pair of smooth plates at each arm.
void paintDisc(QPainter& painter, bool enlarged) {
  const QPainterPath disc = discShape();
  QRadialGradient flesh(kCentre - QPointF(16, 18), kDiscRadius * 1.1);
  flesh.setColorAt(0, QColor(226, 110, 126));
  flesh.setColorAt(1, QColor(160, 40, 64));
  painter.fillPath(disc, flesh);
  MarineKit::speckle(painter, disc, enlarged ? 700 : 380, enlarged ? 1.3 : 1.7,
                     QColor(255, 214, 220, 200), 103);
  MarineKit::speckle(painter, disc, enlarged ? 400 : 200, enlarged ? 1.1 : 1.5,
                     QColor(110, 20, 40, 160), 107);
  for (int arm = 0; arm < kArms; ++arm) {
    const qreal bearing = armBearing(arm);
    for (const qreal side : {-1.0, 1.0}) {
      const QPainterPath shield =
          PathKit::polygon({MarineKit::polar(kCentre, kDiscRadius * 0.4, bearing + side * 10),
                            MarineKit::polar(kCentre, kDiscRadius * 0.9, bearing + side * 4),
                            MarineKit::polar(kCentre, kDiscRadius * 0.8, bearing + side * 21)});
      QRadialGradient gloss(MarineKit::polar(kCentre, 50, bearing + side * 10), 20);
      gloss.setColorAt(0, QColor(255, 236, 236));
      gloss.setColorAt(1, QColor(230, 160, 170));
      painter.fillPath(shield, gloss);
      MarineKit::outline(painter, shield, kPlateLine, 1.3);
    }
  }
  MarineKit::outline(painter, disc, QColor(100, 20, 40), 2);
}

}  // namespace

void BrittleStarPainter::paint(QPainter& painter) {
  const bool enlarged = MarineKit::isEnlarged(painter);
  MarineKit::softShadow(painter, kCentre + QPointF(8, 12), kDiscRadius * 1.6, kDiscRadius * 1.4,
                        80);
  for (int arm = 0; arm < kArms; ++arm) paintArm(painter, arm, enlarged);
  paintDisc(painter, enlarged);
}

}  // namespace sylvenor::draw
