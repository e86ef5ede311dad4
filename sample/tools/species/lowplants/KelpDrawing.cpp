#include "KelpDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "LowPlantKit.h"

namespace sylvenor::draw {

using Kit = LowPlantKit;

namespace {

const QPointF kRockCentre(500, 680);
constexpr qreal kRockRadiusX = 200;
constexpr qreal kRockRadiusY = 62;
const QPointF kStipeBase(500, 622);
const QPointF kStipeTop(494, 430);
constexpr int kFingers = 11;
constexpr qreal kFingerWidth = 52;
const QColor kBrown(132, 86, 32);
const QColor kDarkBrown(62, 36, 12);

qreal fingerWidth(qreal t) {
  // Narrow where the fingers part above the stipe, strap-like, then tapering to a worn tip.
  const qreal ripple = qSin(t * 23) * 1.6;
  if (t < 0.18) return 8 + (kFingerWidth - 8) * t / 0.18 + ripple;
  if (t < 0.6) return kFingerWidth + ripple;
  const qreal taper = kFingerWidth * (1 - 0.4 * (t - 0.6) / 0.35);
  return t > 0.94 ? taper * qSqrt(qMax(0.0, 1 - (t - 0.94) * (t - 0.94) / 0.0036)) + 2
                  : taper + ripple;
}

QLinearGradient bladeShade() {
  QLinearGradient shade(0, kStipeTop.y(), 0, 30);
  shade.setColorAt(0, QColor(104, 66, 24));
  shade.setColorAt(1, kBrown);
  return shade;
}

}  // namespace

void KelpDrawing::paint(QPainter& painter) {
  const bool detailed = Kit::isEnlarged(painter);
  // A little smaller than drawn, so that the blade's tips and the rock's shadow stay inside.
  painter.save();
  painter.translate(500, 375);
  painter.scale(0.92, 0.92);
  painter.translate(-500, -375);
  paintRock(painter);
  paintHoldfast(painter, false);
  paintStipe(painter);
  paintHoldfast(painter, true);
  paintBlade(painter, detailed);
  painter.restore();
}

qreal KelpDrawing::rockTop(qreal x) {
  const qreal across = qBound(-1.0, (x - kRockCentre.x()) / kRockRadiusX, 1.0);
  return kRockCentre.y() - kRockRadiusY * qSqrt(1 - across * across);
}

void KelpDrawing::paintRock(QPainter& painter) {
  Kit::Random random(41);
  Kit::pebble(painter, Kit::blob(kRockCentre, kRockRadiusX, kRockRadiusY, 0.05, 12, random),
              QColor(138, 136, 130), 43);
}

void KelpDrawing::paintHoldfast(QPainter& painter, bool front) {
  // Root-like but only a grip: claws leave the foot of the stipe all round it, arch out and
  // down, fork, and clamp the rock. The higher a claw starts, the further it reaches.
  Kit::Random random(23);
  const int count = 22;
  for (int i = 0; i < count; ++i) {
    const qreal azimuth = qDegreesToRadians(360.0 * i / count + Kit::uniform(random, -8, 8));
    const qreal height = Kit::uniform(random, 8, 78);
    if ((qSin(azimuth) > 0) != front) continue;
    const QPointF start = kStipeBase + QPointF(qCos(azimuth) * 6, -height);
    const qreal reach = qCos(azimuth) * (40 + height * 1.45);
    // Its own seed, so that both passes lay out the same claws.
    Kit::Random toes(std::uint32_t(100 + i));
    paintHapteron(painter, start, reach, qSin(azimuth) * 14, toes);
  }
}

void KelpDrawing::paintHapteron(QPainter& painter, QPointF start, qreal reach, qreal nearness,
                                Kit::Random& random) {
  // A thick arm arches out, forks, and each fork ends in a toe pressed flat on the stone.
  const qreal forkX = start.x() + reach * 0.7;
  const QPointF fork(forkX, (start.y() + rockTop(forkX)) / 2 + nearness * 0.5);
  const QVector<QPointF> arm =
      Kit::curve(start, QPointF(start.x() + reach * 0.55, start.y() - 4), fork, 10);
  const QColor tone = nearness > 0 ? QColor(110, 74, 30) : QColor(84, 54, 20);
  QLinearGradient shade(start, fork);
  shade.setColorAt(0, tone);
  shade.setColorAt(1, tone.darker(125));
  Kit::fillOutlined(
      painter,
      Kit::ribbon(arm, [](qreal t) { return (13 - 4 * t) * qSqrt(qMin(1.0, t / 0.08)) + 1; }),
      shade, kDarkBrown, 1);
  const QPointF split = arm[arm.size() - 3];
  for (const qreal side : {-1.0, 1.0}) {
    const qreal toeX = kStipeBase.x() + reach + side * Kit::uniform(random, 8, 16);
    const QPointF toe(toeX, rockTop(toeX) + 4 + nearness);
    const QPointF bend = (fork + toe) / 2 + QPointF(reach > 0 ? 5 : -5, -4);
    Kit::fillOutlined(
        painter,
        Kit::ribbon(Kit::curve(split, bend, toe, 10),
                    [](qreal t) { return t < 0.8 ? 9 - 4 * t : 5.8 + (t - 0.8) * 22; }),
        tone.darker(118), kDarkBrown, 0.9);
  }
  Kit::outline(painter, Kit::smoothOpen(arm).translated(-1, -2.5), QColor(230, 190, 130, 80), 1.4);
}

void KelpDrawing::paintStipe(QPainter& painter) {
  const QVector<QPointF> spine =
      Kit::curve(kStipeBase, QPointF(516, 500), kStipeTop + QPointF(0, -16), 24);
  const QPainterPath stipe =
      Kit::ribbon(spine, [](qreal t) { return 26 + 20 * (1 - t) * (1 - t) * (1 - t) * (1 - t); });
  QLinearGradient round(kStipeBase.x() - 14, 0, kStipeBase.x() + 14, 0);
  round.setColorAt(0, QColor(86, 56, 22));
  round.setColorAt(0.35, QColor(170, 120, 56));
  round.setColorAt(1, QColor(70, 44, 16));
  Kit::fillOutlined(painter, stipe, round, kDarkBrown, 1.2);
  Kit::outline(painter, Kit::smoothOpen(spine).translated(-4, 0), QColor(255, 230, 190, 90), 2.2);
}

QVector<QVector<QPointF>> KelpDrawing::fingerSpines() {
  QVector<QVector<QPointF>> spines;
  Kit::Random random(9);
  const qreal middle = (kFingers - 1) / 2.0;
  for (int i = 0; i < kFingers; ++i) {
    const qreal spread = -90 + (i - middle) * 11 + Kit::uniform(random, -3, 3);
    const qreal length = 405 - qAbs(i - middle) * 4 + Kit::uniform(random, -26, 10);
    // The outer fingers sag under their own weight; the middle ones stand straighter.
    const qreal sag = (spread + 90) * 0.5;
    const QPointF control = Kit::polar(kStipeTop, length * 0.5, spread);
    const QPointF end = Kit::polar(control, length * 0.5, spread + sag);
    QVector<QPointF> spine = Kit::curve(kStipeTop, control, end, 20);
    const qreal wave = Kit::uniform(random, 3, 8);
    const qreal phase = Kit::uniform(random, 0, 6);
    for (int k = 0; k < spine.size(); ++k) {
      spine[k] += QPointF(qSin(k * 0.45 + phase) * wave * k / 20, 0);
    }
    spines.push_back(spine);
  }
  return spines;
}

QPainterPath KelpDrawing::palm() {
  // The undivided base of the blade, widening from the top of the stipe.
  return Kit::smoothClosed({kStipeTop + QPointF(10, 6), kStipeTop + QPointF(60, -44),
                            kStipeTop + QPointF(80, -92), kStipeTop + QPointF(0, -124),
                            kStipeTop + QPointF(-80, -92), kStipeTop + QPointF(-60, -44),
                            kStipeTop + QPointF(-10, 6)});
}

void KelpDrawing::paintBlade(QPainter& painter, bool detailed) {
  const QVector<QVector<QPointF>> spines = fingerSpines();
  QVector<QPainterPath> fingers;
  for (const QVector<QPointF>& spine : spines) fingers << Kit::ribbon(spine, &fingerWidth);
  const QPainterPath base = palm();
  // Outlines first, fills over them: the fingers merge into one blade at the palm.
  for (const QPainterPath& finger : fingers) Kit::outline(painter, finger, kDarkBrown, 4);
  Kit::outline(painter, base, kDarkBrown, 4);
  // Outer fingers first, so that each split shows as the edge of the finger above it.
  QVector<int> order;
  for (int i = 0; i < kFingers / 2; ++i) order << i << kFingers - 1 - i;
  if (kFingers % 2 == 1) order << kFingers / 2;
  for (const int i : order) {
    painter.fillPath(fingers[i], bladeShade());
    paintFingerGloss(painter, spines[i], fingers[i], detailed);
  }
  // The splits fade out downwards into the undivided base of the blade.
  QRadialGradient fade(kStipeTop, 124);
  fade.setColorAt(0, QColor(112, 72, 26));
  fade.setColorAt(0.55, QColor(116, 75, 28, 235));
  fade.setColorAt(1, QColor(120, 78, 30, 0));
  painter.fillPath(base, fade);
}

void KelpDrawing::paintFingerGloss(QPainter& painter, const QVector<QPointF>& spine,
                                   const QPainterPath& finger, bool detailed) {
  painter.save();
  painter.setClipPath(finger);
  const QPainterPath line = Kit::smoothOpen(spine);
  // A wet, glossy band down each finger, with a sharper sheen on one side.
  Kit::outline(painter, line, QColor(196, 140, 70, 60), kFingerWidth * 0.5);
  Kit::outline(painter, line.translated(-6, 1), QColor(255, 236, 200, 90), 2.2);
  Kit::outline(painter, finger, QColor(50, 28, 10, 150), 3);
  if (detailed) {
    Kit::Random random(std::uint32_t(spine.last().x()));
    for (int i = 0; i < 7; ++i) {
      const qreal t = Kit::uniform(random, 0.3, 0.88);
      const QPointF at = line.pointAtPercent(t);
      const qreal angle = -line.angleAtPercent(t);
      const QPointF shift = Kit::polar(QPointF(), Kit::uniform(random, -12, 12), angle - 90);
      Kit::outline(painter,
                   Kit::smoothOpen({Kit::polar(at, 10, angle + 180), Kit::polar(at, 10, angle)})
                       .translated(shift),
                   QColor(255, 244, 220, 100), 1.2);
    }
  }
  painter.restore();
}

}  // namespace sylvenor::draw
