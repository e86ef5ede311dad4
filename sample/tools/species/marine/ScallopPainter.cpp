#include "ScallopPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "MarineKit.h"
#include "PathKit.h"

namespace sylvenor::draw {

namespace {

const QPointF kHinge(500, 120);
constexpr qreal kTilt = 0.74;         // the shell is seen slanting: depths are shortened
constexpr qreal kCircle = 340;        // the round part of the shell
constexpr qreal kCircleCentre = 318;  // its centre below the hinge
constexpr qreal kSpread = 68;         // degrees each side of the middle rib
constexpr int kRibs = 15;
constexpr int kSamples = 180;
constexpr qreal kGap = 58;  // how far the valves stand apart at the front

const QColor kShell(188, 104, 84);
const QColor kShellPale(238, 196, 172);
const QColor kShellLine(104, 48, 36);
const QColor kLowerValve(242, 226, 206);
const QColor kMantle(200, 142, 88);

qreal ribPitch() { return 2 * kSpread / kRibs; }

// Distance from the hinge to the edge of the shell, scalloped by the ribs.
qreal reach(qreal degrees, qreal scallop) {
  const qreal angle = qDegreesToRadians(degrees);
  const qreal across = kCircleCentre * std::sin(angle);
  const qreal plain =
      kCircleCentre * std::cos(angle) + std::sqrt(kCircle * kCircle - across * across);
  const qreal phase = 2 * M_PI * (degrees + kSpread) / ribPitch();
  return plain + scallop * (0.5 - 0.5 * std::cos(phase));
}

QPointF onValve(qreal degrees, qreal distance) {
  const qreal angle = qDegreesToRadians(degrees);
  return kHinge + QPointF(distance * std::sin(angle), distance * std::cos(angle) * kTilt);
}

qreal openShare(qreal degrees) { return std::pow(std::cos(degrees / kSpread * M_PI / 2), 1.2); }

std::vector<QPointF> margin(qreal drop, qreal scallop) {
  std::vector<QPointF> points;
  for (int i = 0; i <= kSamples; ++i) {
    const qreal degrees = -kSpread + 2 * kSpread * i / kSamples;
    points.push_back(onValve(degrees, reach(degrees, scallop)) +
                     QPointF(0, drop * openShare(degrees)));
  }
  return points;
}

// The lower valve is deeper and paler; only its ribbed rim shows under the gap.
void paintLowerValve(QPainter& painter) {
  const std::vector<QPointF> lip = margin(kGap, 10);
  const std::vector<QPointF> belly = margin(kGap + 36, 16);
  const QPainterPath rim = MarineKit::between(lip, belly);
  QLinearGradient shade(0, 520, 0, 700);
  shade.setColorAt(0, kLowerValve);
  shade.setColorAt(1, QColor(200, 170, 150));
  painter.fillPath(rim, shade);
  painter.save();
  painter.setClipPath(rim, Qt::IntersectClip);
  for (int rib = 0; rib < kRibs; ++rib) {
    const qreal degrees = -kSpread + (rib + 0.5) * ribPitch();
    const std::size_t at = std::size_t(std::lround((degrees + kSpread) / (2 * kSpread) * kSamples));
    const QPointF outward = MarineKit::unit(lip[at] - kHinge);
    const QPainterPath ridge = PathKit::polyline({lip[at] - outward * 10, lip[at] + outward * 80});
    MarineKit::outline(painter, ridge, QColor(255, 250, 240, 150), 16);
    MarineKit::outline(painter, ridge.translated(14, 0), QColor(160, 120, 100, 70), 6);
  }
  painter.restore();
  MarineKit::outline(painter, rim, kShellLine, 2);
}

void paintEyes(QPainter& painter, const std::vector<QPointF>& edge, qreal side,
               std::size_t offset) {
  for (std::size_t i = offset; i + 8 < edge.size(); i += 8) {
    if (openShare(-kSpread + 2 * kSpread * qreal(i) / kSamples) < 0.35) continue;
    const QPointF eye = edge[i] + QPointF(0, side * 7);
    painter.setPen(QPen(QColor(20, 24, 40), 0.8));
    QRadialGradient shine(eye - QPointF(1.8, 1.8), 6.5);
    shine.setColorAt(0, QColor(140, 170, 230));
    shine.setColorAt(0.35, QColor(34, 46, 96));
    shine.setColorAt(1, QColor(8, 10, 22));
    painter.setBrush(shine);
    painter.drawEllipse(eye, 6, 6);
  }
}

void paintTentacles(QPainter& painter, const std::vector<QPointF>& edge, qreal side) {
  std::mt19937 random(side > 0 ? 181 : 191);
  for (std::size_t i = 5; i + 5 < edge.size(); ++i) {
    const qreal share = openShare(-kSpread + 2 * kSpread * qreal(i) / kSamples);
    if (share < 0.2) continue;
    const qreal length = MarineKit::uniform(random, 10, 24) * share;
    const QPointF base = edge[i] + QPointF(0, side * 4);
    const QPointF tip = base + QPointF(MarineKit::uniform(random, -4, 4), side * length);
    const QPainterPath tentacle = MarineKit::spindle(base, tip, 3.2, 1.6);
    painter.fillPath(tentacle, QColor(240, 214, 170));
    MarineKit::outline(painter, tentacle, QColor(150, 100, 60, 200), 0.7);
  }
}

// In the gap: the two lobes of the mantle, each fringed with tentacles and dotted with eyes.
void paintMantle(QPainter& painter) {
  const std::vector<QPointF> upperLip = margin(0, 10);
  const std::vector<QPointF> lowerLip = margin(kGap, 10);
  painter.fillPath(MarineKit::between(upperLip, lowerLip), QColor(70, 40, 24));
  const std::vector<QPointF> upperLobe = margin(20, 4);
  const std::vector<QPointF> lowerLobe = margin(kGap - 18, 4);
  painter.fillPath(MarineKit::between(upperLip, upperLobe), kMantle);
  painter.fillPath(MarineKit::between(lowerLobe, lowerLip), kMantle.darker(115));
  paintTentacles(painter, lowerLobe, -1);
  paintTentacles(painter, upperLobe, 1);
  paintEyes(painter, lowerLobe, -0.3, 12);
  paintEyes(painter, upperLobe, 0.3, 8);
}

QPainterPath upperValve() {
  std::vector<QPointF> outline{kHinge};
  const std::vector<QPointF> edge = margin(0, 10);
  outline.insert(outline.end(), edge.begin(), edge.end());
  return MarineKit::polygon(outline);
}

QPainterPath ear(qreal side) {
  return PathKit::polygon({kHinge + QPointF(0, -6), kHinge + QPointF(side * 150, -10),
                           kHinge + QPointF(side * 150, 36), onValve(side * kSpread, 190)});
}

void paintEars(QPainter& painter) {
  for (const qreal side : {-1.0, 1.0}) {
    const QPainterPath wing = ear(side);
    QLinearGradient shade(kHinge, kHinge + QPointF(side * 170, 40));
    shade.setColorAt(0, kShell);
    shade.setColorAt(1, kShellPale);
    painter.fillPath(wing, shade);
    painter.save();
    painter.setClipPath(wing, Qt::IntersectClip);
    for (int line = 1; line < 7; ++line) {
      MarineKit::outline(painter,
                         PathKit::polyline({kHinge, kHinge + QPointF(side * 200, line * 12.0)}),
                         QColor(120, 60, 44, 110), 1.4);
    }
    painter.restore();
    MarineKit::outline(painter, wing, kShellLine, 2);
  }
}

// Pale bands mark the seasons when the shell grew slowly.
void paintPaleBands(QPainter& painter) {
  for (const qreal share : {0.3, 0.52, 0.74, 0.9}) {
    std::vector<QPointF> outer, inner;
    for (int i = 0; i <= kSamples; ++i) {
      const qreal degrees = -kSpread + 2 * kSpread * i / kSamples;
      outer.push_back(onValve(degrees, reach(degrees, 0) * (share + 0.05)));
      inner.push_back(onValve(degrees, reach(degrees, 0) * share));
    }
    painter.fillPath(MarineKit::between(inner, outer), MarineKit::withAlpha(kShellPale, 75));
  }
}

// Fifteen raised ribs fan out from the hinge, lit on one flank, shaded on the other.
void paintRibs(QPainter& painter) {
  const auto wedge = [](qreal from, qreal to) {
    return PathKit::polygon({kHinge, onValve(from, 700), onValve(to, 700)});
  };
  for (int rib = 0; rib < kRibs; ++rib) {
    const qreal left = -kSpread + rib * ribPitch();
    painter.fillPath(wedge(left + ribPitch() * 0.1, left + ribPitch() * 0.45),
                     QColor(255, 230, 210, 70));
    painter.fillPath(wedge(left + ribPitch() * 0.72, left + ribPitch()), QColor(80, 30, 20, 60));
    const QPainterPath groove = PathKit::polyline({kHinge, onValve(left + ribPitch(), 700)});
    MarineKit::outline(painter, groove, QColor(90, 36, 26, 160), 2.4);
  }
}

// Fine growth lines follow the edge as it was at every age.
void paintGrowthLines(QPainter& painter, bool enlarged) {
  const int lines = enlarged ? 70 : 40;
  for (int i = 1; i < lines; ++i) {
    const qreal share = std::pow(qreal(i) / lines, 0.8);
    std::vector<QPointF> points;
    for (int j = 0; j <= kSamples; j += 3) {
      const qreal degrees = -kSpread + 2 * kSpread * j / kSamples;
      points.push_back(onValve(degrees, reach(degrees, 10 * share) * share));
    }
    QPainterPath growth;
    growth.addPolygon(QPolygonF(QList<QPointF>(points.begin(), points.end())));
    MarineKit::outline(painter, growth, QColor(100, 40, 30, 40), 1);
  }
}

void paintUpperValve(QPainter& painter, bool enlarged) {
  const QPainterPath valve = upperValve();
  QRadialGradient colour(kHinge, 560);
  colour.setColorAt(0, QColor(150, 70, 60));
  colour.setColorAt(1, kShell);
  painter.fillPath(valve, colour);
  painter.save();
  painter.setClipPath(valve, Qt::IntersectClip);
  paintPaleBands(painter);
  paintRibs(painter);
  paintGrowthLines(painter, enlarged);
  painter.restore();
  MarineKit::outline(painter, valve, kShellLine, 2.2);
}

}  // namespace

void ScallopPainter::paint(QPainter& painter) {
  const bool enlarged = MarineKit::isEnlarged(painter);
  MarineKit::softShadow(painter, {500, 640}, 380, 60, 80);
  paintLowerValve(painter);
  paintMantle(painter);
  paintEars(painter);
  paintUpperValve(painter, enlarged);
}

}  // namespace sylvenor::draw
