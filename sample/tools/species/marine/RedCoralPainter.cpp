#include "RedCoralPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>
#include <algorithm>

#include "MarineKit.h"

namespace sylvenor::draw {

namespace {

const QColor kRed(196, 28, 40);
const QColor kDeepRed(120, 10, 22);
const QColor kOutline(84, 6, 14);
const QColor kPolyp(255, 255, 255, 235);
const QColor kPolypEdge(176, 118, 118);
const QColor kPinnule(214, 176, 174);

struct Branch {
  QPainterPath line;
  qreal startWidth;
  qreal endWidth;
};

// Forks again and again, mostly in one plane, as red coral does; now and then a short twig
// leaves the side of a branch.
void grow(std::vector<Branch>& bush, std::mt19937& random, QPointF from, qreal degrees,
          qreal length, qreal width, int depth) {
  degrees = std::clamp(degrees, -172.0, -8.0);
  const QPointF end = MarineKit::polar(from, length, degrees);
  QPainterPath line(from);
  line.quadTo(MarineKit::polar(from, length * 0.5, degrees + MarineKit::uniform(random, -14, 14)),
              end);
  const qreal endWidth = width * 0.8;
  bush.push_back({line, width, endWidth});
  if (depth == 0) return;
  const qreal spread = MarineKit::uniform(random, 16, 30);
  const qreal lean = MarineKit::uniform(random, -10, 10);
  for (const qreal side : {-1.0, 1.0}) {
    grow(bush, random, end, degrees + lean + side * spread,
         length * MarineKit::uniform(random, 0.74, 0.9), endWidth, depth - 1);
  }
  if (depth >= 2 && MarineKit::uniform(random, 0, 1) < 0.35) {
    const qreal side = MarineKit::uniform(random, 0, 1) < 0.5 ? -1 : 1;
    grow(bush, random, line.pointAtPercent(0.5), degrees + side * 48, length * 0.5, width * 0.6,
         depth - 2);
  }
}

// A short stem splits at once into a few main branches spreading like a fan.
std::vector<Branch> bush() {
  std::vector<Branch> branches;
  std::mt19937 random(41);
  const QPointF fork(500, 566);
  QPainterPath stem({500, 640});
  stem.quadTo(504, 604, fork.x(), fork.y());
  branches.push_back({stem, 44, 36});
  grow(branches, random, fork, -132, 150, 32, 3);
  grow(branches, random, fork, -96, 140, 30, 3);
  grow(branches, random, fork, -52, 150, 32, 3);
  return branches;
}

// Each branch is lit from the upper left; the dark rims are drawn first, under every branch,
// so that the forks join without a seam.
void paintBranches(QPainter& painter, const std::vector<Branch>& branches) {
  for (const Branch& branch : branches) {
    painter.fillPath(MarineKit::taper(branch.line, branch.startWidth + 5, branch.endWidth + 5),
                     kOutline);
  }
  for (const Branch& branch : branches) {
    const QPainterPath shape = MarineKit::taper(branch.line, branch.startWidth, branch.endWidth);
    const QPointF middle = branch.line.pointAtPercent(0.5);
    const QPointF along = branch.line.pointAtPercent(0.6) - branch.line.pointAtPercent(0.4);
    QPointF across(-along.y(), along.x());
    across *= branch.startWidth * 0.6 / std::max(1e-6, std::hypot(across.x(), across.y()));
    if (across.x() > 0) across = -across;
    QLinearGradient round(middle + across, middle - across);
    round.setColorAt(0, QColor(226, 70, 76));
    round.setColorAt(0.4, kRed);
    round.setColorAt(1, kDeepRed);
    painter.fillPath(shape, round);
  }
}

// Closed polyp cups dot the surface of the skeleton.
void paintCups(QPainter& painter, const std::vector<Branch>& branches, bool enlarged) {
  std::mt19937 random(43);
  painter.setPen(Qt::NoPen);
  for (const Branch& branch : branches) {
    const int cups = int(branch.line.length() / (enlarged ? 14 : 22));
    for (int i = 0; i < cups; ++i) {
      const qreal t = MarineKit::uniform(random, 0.05, 0.95);
      const qreal width = branch.startWidth + (branch.endWidth - branch.startWidth) * t;
      const QPointF at =
          branch.line.pointAtPercent(t) + QPointF(MarineKit::uniform(random, -0.3, 0.3) * width,
                                                  MarineKit::uniform(random, -0.3, 0.3) * width);
      painter.setBrush(QColor(250, 150, 150, 120));
      painter.drawEllipse(at, 3.2, 3.2);
      painter.setBrush(QColor(110, 8, 20, 170));
      painter.drawEllipse(at + QPointF(0.6, 0.8), 1.6, 1.6);
    }
  }
}

void paintTentacle(QPainter& painter, QPointF mouth, qreal degrees, qreal length, bool enlarged) {
  const QPointF tip = MarineKit::polar(mouth, length, degrees);
  const QPainterPath arm = MarineKit::spindle(mouth, tip, 7, 3);
  painter.fillPath(arm, kPolyp);
  MarineKit::outline(painter, arm, kPolypEdge, 1.1);
  // Pinnules: the tiny side branches that make each tentacle a feather.
  const int pairs = enlarged ? 5 : 3;
  painter.setPen(QPen(kPinnule, enlarged ? 1.5 : 1.9, Qt::SolidLine, Qt::RoundCap));
  for (int i = 1; i <= pairs; ++i) {
    const QPointF at = MarineKit::polar(mouth, length * (0.25 + 0.68 * i / pairs), degrees);
    for (const qreal side : {-1.0, 1.0}) {
      painter.drawLine(at, MarineKit::polar(at, length * 0.16, degrees + side * 50));
    }
  }
}

// A polyp stands a little out of its cup on a short translucent column.
void paintPolyp(QPainter& painter, QPointF cup, QPointF crown, qreal size, qreal turn,
                bool enlarged) {
  painter.setPen(QPen(kOutline, 1.2));
  painter.setBrush(QColor(214, 60, 66));
  painter.drawEllipse(cup, size * 0.36, size * 0.36);
  const QPainterPath column = MarineKit::spindle(cup, crown, size * 0.4, size * 0.34);
  painter.fillPath(column, QColor(255, 250, 248, 200));
  MarineKit::outline(painter, column, kPolypEdge, 1);
  for (int k = 0; k < 8; ++k) {
    paintTentacle(painter, crown, turn + k * 45.0, size, enlarged);
  }
  painter.setPen(QPen(kPolypEdge, 0.8));
  painter.setBrush(QColor(255, 244, 240));
  painter.drawEllipse(crown, size * 0.22, size * 0.22);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(236, 190, 186));
  painter.drawEllipse(crown, size * 0.08, size * 0.08);
}

void paintPolyps(QPainter& painter, const std::vector<Branch>& branches, bool enlarged) {
  std::mt19937 random(47);
  for (std::size_t i = 3; i < branches.size(); i += 3) {
    const Branch& branch = branches[i];
    const qreal t = MarineKit::uniform(random, 0.3, 0.85);
    const QPointF at = branch.line.pointAtPercent(t);
    const QPointF along = branch.line.pointAtPercent(t + 0.05) - at;
    QPointF side = MarineKit::unit(QPointF(-along.y(), along.x()));
    if (i % 8 == 3) side = -side;
    const qreal width = branch.startWidth + (branch.endWidth - branch.startWidth) * t;
    paintPolyp(painter, at + side * width * 0.3, at + side * (width * 0.5 + 14),
               MarineKit::uniform(random, 26, 31), MarineKit::uniform(random, 0, 45), enlarged);
  }
}

void paintHoldfast(QPainter& painter) {
  const QPainterPath crust = MarineKit::smoothClosed(
      {{430, 646}, {466, 634}, {478, 604}, {522, 604}, {534, 634}, {570, 646}, {500, 654}});
  painter.fillPath(crust, kRed);
  MarineKit::outline(painter, crust, kOutline, 2);
}

}  // namespace

void RedCoralPainter::paint(QPainter& painter) {
  const bool enlarged = MarineKit::isEnlarged(painter);
  MarineKit::paintRock(painter, MarineKit::rock({500, 664}, 200, 50, 31), 32);
  paintHoldfast(painter);
  const std::vector<Branch> branches = bush();
  paintBranches(painter, branches);
  paintCups(painter, branches, enlarged);
  paintPolyps(painter, branches, enlarged);
}

}  // namespace sylvenor::draw
