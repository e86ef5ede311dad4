#include "FucusDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace sylvenor::draw {

using Kit = LowPlantKit;

namespace {

constexpr int kForkings = 3;
constexpr qreal kBladeWidth = 40;
const QPointF kHoldfast(500, 648);
const QPointF kFirstFork(500, 560);
const QColor kOlive(124, 104, 42);
const QColor kDarkOlive(64, 50, 20);

qreal segmentLength(int depth) { return 132 - depth * 10; }

}  // namespace

void FucusDrawing::paint(QPainter& painter) {
  const bool detailed = Kit::isEnlarged(painter);
  Thallus thallus;
  Kit::Random random(13);
  thallus.segments.push_back(
      {Kit::curve(kHoldfast, (kHoldfast + kFirstFork) / 2, kFirstFork, 6), -1});
  grow(thallus, kFirstFork, -90, 0, random);
  paintHoldfast(painter);
  paintBlade(painter, thallus);
  for (const QPainterPath& bladder : bladders(thallus)) paintBladder(painter, bladder);
  for (const Tip& tip : thallus.tips) paintTip(painter, tip, detailed);
}

void FucusDrawing::grow(Thallus& thallus, QPointF start, qreal heading, int depth,
                        Kit::Random& random) {
  // A clear Y at every fork; the fronds then turn back upwards, as they do floating.
  static const qreal kForkAngles[] = {36, 27, 22, 18};
  for (const qreal side : {-1.0, 1.0}) {
    const qreal fork = heading + side * kForkAngles[depth] + Kit::uniform(random, -4, 4);
    const qreal settle = fork + (-90 - fork) * 0.22;
    const qreal length = segmentLength(depth) * Kit::uniform(random, 0.9, 1.08);
    const QPointF control = Kit::polar(start, length * 0.4, fork);
    const QPointF end = Kit::polar(control, length * 0.6, settle);
    thallus.segments.push_back({Kit::curve(start, control, end, 10), depth});
    if (depth < kForkings) {
      thallus.forks.push_back(end);
      grow(thallus, end, settle, depth + 1, random);
    } else {
      thallus.tips.push_back({end, settle, Kit::chance(random, 0.35)});
    }
  }
}

QVector<QPainterPath> FucusDrawing::pieces(const Thallus& thallus) {
  QVector<QPainterPath> result;
  for (const Segment& segment : thallus.segments) {
    const qreal width = segment.depth < 0 ? 13 : kBladeWidth - segment.depth * 2;
    const qreal end = segment.depth < 0 ? kBladeWidth : width;
    result.push_back(Kit::ribbon(segment.spine, [width, end](qreal t) {
      return width + (end - width) * t * t + qSin(t * 9) * 1.5;
    }));
  }
  for (const QPointF& fork : thallus.forks) {
    QPainterPath joint;
    joint.addEllipse(fork, kBladeWidth / 2, kBladeWidth / 2);
    result.push_back(joint);
  }
  return result + bladders(thallus);
}

QVector<QPainterPath> FucusDrawing::bladders(const Thallus& thallus) {
  // Paired air bladders, one each side of the midrib, keep the fronds afloat.
  QVector<QPainterPath> result;
  Kit::Random random(5);
  for (const Segment& segment : thallus.segments) {
    if (segment.depth < 0 || !Kit::chance(random, 0.85)) continue;
    const QPainterPath line = Kit::smoothOpen(segment.spine);
    const qreal at = Kit::uniform(random, 0.42, 0.62);
    const QPointF centre = line.pointAtPercent(at);
    const qreal angle = -line.angleAtPercent(at);
    for (const qreal side : {-1.0, 1.0}) {
      const QPointF offset = Kit::polar(QPointF(), 12, angle + 90 * side);
      QPainterPath bladder;
      bladder.addEllipse(QPointF(), 15, 10.5);
      result.push_back(QTransform()
                           .translate(centre.x() + offset.x(), centre.y() + offset.y())
                           .rotate(angle)
                           .map(bladder));
    }
  }
  return result;
}

void FucusDrawing::paintBlade(QPainter& painter, const Thallus& thallus) {
  // Outlines first, fills over them: only the outer edge of the merged ribbons stays outlined.
  const QVector<QPainterPath> parts = pieces(thallus);
  for (const QPainterPath& part : parts) Kit::outline(painter, part, kDarkOlive, 3);
  QLinearGradient shade(0, 660, 0, 80);
  shade.setColorAt(0, QColor(86, 68, 28));
  shade.setColorAt(1, QColor(142, 122, 50));
  for (const QPainterPath& part : parts) painter.fillPath(part, shade);
  QPainterPath midribs;
  for (const Segment& segment : thallus.segments) {
    midribs.addPath(Kit::smoothOpen(segment.spine));
  }
  // The blade is slightly convex along the midrib, and the midrib stands out as a cord.
  Kit::outline(painter, midribs, QColor(190, 170, 90, 40), 18);
  Kit::outline(painter, midribs, QColor(70, 54, 22, 220), 4);
  Kit::outline(painter, midribs.translated(-1.2, -1.2), QColor(200, 180, 110, 120), 1.2);
}

void FucusDrawing::paintBladder(QPainter& painter, const QPainterPath& bladder) {
  const QRectF box = bladder.boundingRect();
  QRadialGradient swell(box.center() + QPointF(-3, -3), box.width() * 0.6);
  swell.setColorAt(0, QColor(214, 196, 120));
  swell.setColorAt(0.35, QColor(160, 138, 62));
  swell.setColorAt(1, QColor(96, 78, 30));
  Kit::fillOutlined(painter, bladder, swell, kDarkOlive, 1);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 250, 225, 170));
  painter.drawEllipse(box.center() + QPointF(-3.5, -3.5), 2.6, 1.8);
  painter.restore();
}

QPainterPath FucusDrawing::tipOutline(bool forked) {
  // Both shapes start as wide as the ribbon and a little below its end, to hide the seam.
  if (forked) {
    return Kit::smoothClosed({{-16, 8},
                              {-22, -30},
                              {-16, -52},
                              {-6, -44},
                              {0, -26},
                              {6, -44},
                              {16, -52},
                              {22, -30},
                              {16, 8},
                              {0, 10}});
  }
  return Kit::smoothClosed(
      {{-16, 8}, {-20, -26}, {-12, -52}, {0, -60}, {12, -52}, {20, -26}, {16, 8}, {0, 10}});
}

void FucusDrawing::paintTip(QPainter& painter, const Tip& tip, bool detailed) {
  // Swollen, warty fruiting tips, sometimes forked once more.
  painter.save();
  painter.translate(tip.base);
  painter.rotate(tip.heading + 90);
  const QPainterPath shape = tipOutline(tip.forked);
  QRadialGradient swell(-6, -30, 36);
  swell.setColorAt(0, QColor(206, 180, 86));
  swell.setColorAt(0.6, QColor(164, 136, 54));
  swell.setColorAt(1, QColor(112, 90, 34));
  Kit::fillOutlined(painter, shape, swell, kDarkOlive, 1.2);
  painter.setClipPath(shape);
  painter.setPen(Qt::NoPen);
  Kit::Random random(std::uint32_t(tip.base.x() * 3 + tip.base.y()));
  const int warts = detailed ? 34 : 18;
  for (int i = 0; i < warts; ++i) {
    // Each wart is a pale bump round the dark pore of a cavity holding the sex cells.
    const QPointF at(Kit::uniform(random, -18, 18), Kit::uniform(random, -54, -4));
    painter.setBrush(QColor(230, 210, 130, 160));
    painter.drawEllipse(at, 2.6, 2.6);
    painter.setBrush(QColor(70, 52, 20, 200));
    painter.drawEllipse(at + QPointF(0.5, 0.5), 1.1, 1.1);
  }
  painter.restore();
}

void FucusDrawing::paintHoldfast(QPainter& painter) {
  Kit::Random random(3);
  Kit::pebble(painter, Kit::blob(QPointF(500, 690), 92, 40, 0.08, 9, random), QColor(150, 146, 138),
              19);
  const QPainterPath disc = Kit::smoothClosed(
      {{470, 660}, {480, 646}, {494, 640}, {506, 640}, {520, 646}, {530, 660}, {500, 664}});
  Kit::fillOutlined(painter, disc, QColor(92, 72, 30), kDarkOlive, 1.2);
}

}  // namespace sylvenor::draw
