#include "MusselPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "MarineKit.h"
#include "PathKit.h"

namespace sylvenor::draw {

namespace {

const QPointF kUmbo(118, 396);
const QPointF kShoulder(548, 170);
const QPointF kRear(884, 320);
const QPointF kBelly(660, 468);

const QColor kShellDark(22, 26, 40);
const QColor kShellSheen(86, 100, 150);
const QColor kMantle(104, 58, 30);
const QColor kFlesh(238, 146, 62);

// The lower edge of the near valve, from the pointed hinge end to the rounded rear end.
QPainterPath ventralEdge() {
  QPainterPath edge(kUmbo);
  edge.cubicTo(270, 414, 470, 450, kBelly.x(), kBelly.y());
  edge.cubicTo(800, 472, 888, 406, kRear.x(), kRear.y());
  return edge;
}

QPainterPath nearValve() {
  QPainterPath valve(kUmbo);
  valve.cubicTo(250, 300, 400, 226, kShoulder.x(), kShoulder.y());
  valve.cubicTo(716, 138, 884, 206, kRear.x(), kRear.y());
  valve.connectPath(ventralEdge().toReversed());
  valve.closeSubpath();
  return valve;
}

// How far the valves stand apart along the lower edge, and how much of the far valve shows.
qreal gape(qreal t) { return 62 * std::pow(std::sin(M_PI * std::pow(t, 0.75)), 1.1); }
qreal farRim(qreal t) { return 26 * std::sin(M_PI * t); }

struct Edges {
  std::vector<QPointF> nearLip, farLip, farBottom;
};

Edges edges() {
  const QPainterPath edge = ventralEdge();
  Edges result;
  constexpr int kSamples = 120;
  for (int i = 0; i <= kSamples; ++i) {
    const qreal t = qreal(i) / kSamples;
    const QPointF point = edge.pointAtPercent(t);
    result.nearLip.push_back(point);
    result.farLip.push_back(point + QPointF(-4 * std::sin(M_PI * t), gape(t)));
    result.farBottom.push_back(point + QPointF(-8 * std::sin(M_PI * t), gape(t) + farRim(t)));
  }
  return result;
}

void paintFarValve(QPainter& painter, const Edges& lips) {
  const QPainterPath rim = MarineKit::between(lips.farLip, lips.farBottom);
  QLinearGradient shell(0, 430, 0, 580);
  shell.setColorAt(0, QColor(60, 66, 98));
  shell.setColorAt(1, kShellDark);
  painter.fillPath(rim, shell);
  MarineKit::outline(painter, rim, QColor(10, 12, 20), 2);
}

// A mantle edge: a brown band along a lip whose free side is cut into small frills.
QPainterPath frilledEdge(const std::vector<QPointF>& lip, const std::vector<QPointF>& other,
                         qreal share) {
  std::vector<QPointF> fringe;
  for (std::size_t i = 0; i < lip.size(); ++i) {
    const qreal frill = 0.5 + 0.5 * std::abs(std::sin(i * 0.75));
    fringe.push_back(lip[i] + (other[i] - lip[i]) * share * frill);
  }
  std::vector<QPointF> outline(lip.begin(), lip.end());
  outline.insert(outline.end(), fringe.rbegin(), fringe.rend());
  return MarineKit::smoothClosed(outline);
}

// Between the lips: orange flesh deep inside, and the brown, frilled edges of the mantle.
void paintGape(QPainter& painter, const Edges& lips) {
  const QPainterPath opening = MarineKit::between(lips.nearLip, lips.farLip);
  QLinearGradient flesh(0, 400, 0, 540);
  flesh.setColorAt(0, kFlesh.darker(120));
  flesh.setColorAt(0.5, kFlesh);
  flesh.setColorAt(1, kFlesh.darker(140));
  painter.fillPath(opening, flesh);
  for (const auto& [lip, other] :
       {std::pair{&lips.nearLip, &lips.farLip}, std::pair{&lips.farLip, &lips.nearLip}}) {
    const QPainterPath mantle = frilledEdge(*lip, *other, 0.4);
    painter.fillPath(mantle, kMantle);
    MarineKit::outline(painter, mantle, QColor(60, 30, 12), 1);
    painter.fillPath(frilledEdge(*lip, *other, 0.12), QColor(200, 170, 120, 150));
  }
  MarineKit::outline(painter, opening, QColor(60, 30, 14), 1.2);
}

// Byssus: a tangled tuft of tough golden threads, each ending in a small flat pad that glues
// it to a rock.
void paintByssus(QPainter& painter, const Edges& lips) {
  const QPointF root = (lips.nearLip[40] + lips.farLip[40]) / 2;
  std::mt19937 random(131);
  for (int i = 0; i < 34; ++i) {
    const qreal bearing = MarineKit::uniform(random, 50, 150);
    const qreal length = MarineKit::uniform(random, 110, 220);
    std::vector<QPointF> points{root};
    for (const qreal share : {0.3, 0.6, 1.0}) {
      points.push_back(
          MarineKit::polar(root, length * share, bearing + MarineKit::uniform(random, -10, 10)));
    }
    const QPainterPath thread = MarineKit::smoothOpen(points);
    MarineKit::outline(painter, thread, QColor(92, 66, 28, 220), 2);
    MarineKit::outline(painter, thread, QColor(210, 176, 104), 0.8);
    const QPointF end = points.back();
    const QPainterPath pad =
        PathKit::rotated(PathKit::ellipse(end, 5.5, 2.4), end, MarineKit::uniform(random, 0, 180));
    painter.fillPath(pad, QColor(150, 116, 60));
  }
}

// Growth lines follow the edge of the shell as it was at each age, all round the hinge point.
void paintGrowthLines(QPainter& painter, const QPainterPath& valve) {
  std::mt19937 random(137);
  painter.save();
  painter.setClipPath(valve, Qt::IntersectClip);
  for (qreal scale = 0.14; scale < 1; scale += MarineKit::uniform(random, 0.025, 0.06)) {
    QTransform age;
    age.translate(kUmbo.x(), kUmbo.y());
    age.scale(scale, scale);
    age.translate(-kUmbo.x(), -kUmbo.y());
    const QPainterPath line = age.map(valve);
    const bool strong = MarineKit::uniform(random, 0, 1) < 0.25;
    MarineKit::outline(painter, line.translated(1.4, 1.8), QColor(150, 164, 210, strong ? 80 : 40),
                       1.3);
    MarineKit::outline(painter, line, QColor(6, 8, 14, strong ? 170 : 90), strong ? 2.2 : 1.2);
  }
  painter.restore();
}

void paintNearValve(QPainter& painter, bool enlarged) {
  const QPainterPath valve = nearValve();
  QLinearGradient shell(300, 160, 520, 520);
  shell.setColorAt(0, QColor(60, 70, 110));
  shell.setColorAt(0.35, QColor(34, 40, 62));
  shell.setColorAt(1, kShellDark);
  painter.fillPath(valve, shell);
  QRadialGradient worn(kUmbo + QPointF(40, -18), 120);
  worn.setColorAt(0, QColor(150, 140, 180, 190));
  worn.setColorAt(1, QColor(150, 140, 180, 0));
  painter.fillPath(valve, worn);
  paintGrowthLines(painter, valve);
  QPainterPath sheen(QPointF(250, 350));
  sheen.cubicTo(360, 270, 500, 226, 660, 222);
  painter.save();
  painter.setClipPath(valve, Qt::IntersectClip);
  for (const qreal width : {60.0, 40.0, 24.0, 10.0}) {
    MarineKit::outline(painter, sheen, MarineKit::withAlpha(kShellSheen, 40), width);
  }
  painter.restore();
  if (enlarged) {
    MarineKit::speckle(painter, valve, 900, 0.9, QColor(170, 180, 220, 40), 139);
  }
  MarineKit::outline(painter, ventralEdge(), QColor(110, 96, 150), 5);
  MarineKit::outline(painter, valve, QColor(8, 10, 18), 2.4);
}

}  // namespace

void MusselPainter::paint(QPainter& painter) {
  const bool enlarged = MarineKit::isEnlarged(painter);
  const Edges lips = edges();
  MarineKit::softShadow(painter, {520, 560}, 380, 50, 80);
  paintFarValve(painter, lips);
  paintGape(painter, lips);
  paintByssus(painter, lips);
  paintNearValve(painter, enlarged);
}

}  // namespace sylvenor::draw
