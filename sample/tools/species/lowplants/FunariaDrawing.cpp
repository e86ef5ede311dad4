#include "FunariaDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "LowPlantKit.h"

namespace sylvenor::draw {

using Kit = LowPlantKit;

namespace {

const QVector<QPointF> kRosettes{{412, 652}, {458, 642}, {505, 654}, {552, 640}, {598, 650}};
const QColor kGreen(136, 168, 64);
const QColor kAmber(206, 146, 56);
const QColor kRust(176, 98, 42);
const QColor kBrown(128, 74, 36);

}  // namespace

void FunariaDrawing::paint(QPainter& painter) {
  const bool detailed = Kit::isEnlarged(painter);
  const QVector<Seta> setae{{0, -27, 470, -80, kRust},  {0, -19, 600, -95, kAmber},
                            {1, -15, 540, -30, kGreen}, {1, -8, 640, -115, kBrown},
                            {2, -2, 545, -90, kRust},   {2, 4, 625, 100, kAmber},
                            {3, 10, 500, 70, kGreen},   {3, 16, 600, 110, kRust},
                            {4, 20, 520, 90, kBrown},   {4, 27, 450, 80, kAmber}};
  Kit::Random random(31);
  for (const QPointF& base : kRosettes) {
    Kit::rhizoids(painter, base + QPointF(0, -2), 18, 78, 16, random);
  }
  for (const Seta& seta : setae) paintSeta(painter, kRosettes[seta.rosette], seta, detailed);
  qreal size = 1.2;
  for (const QPointF& base : kRosettes) {
    paintRosette(painter, base, size, detailed);
    size = size > 1.25 ? 1.1 : 1.35;
  }
}

QVector<QPointF> FunariaDrawing::setaSpine(QPointF base, const Seta& seta, qreal& tipHeading) {
  // The seta rises almost straight, then arches over like a swan's neck near its tip.
  const int steps = 40;
  QVector<QPointF> points{base};
  qreal heading = -90 + seta.lean;
  for (int i = 1; i <= steps; ++i) {
    const qreal t = qreal(i) / steps;
    // Bending grows steadily over the last 45 %, so the arch has no kink.
    if (t > 0.55) heading += seta.hook * (t - 0.55) / (0.45 * 0.45 * steps / 2);
    points << Kit::polar(points.last(), seta.length / steps, heading);
  }
  tipHeading = heading;
  return points;
}

void FunariaDrawing::paintSeta(QPainter& painter, QPointF base, const Seta& seta, bool detailed) {
  qreal heading = 0;
  const QVector<QPointF> spine = setaSpine(base + QPointF(0, -20), seta, heading);
  QLinearGradient shade(spine.first(), spine.last());
  shade.setColorAt(0, QColor(150, 50, 34));
  shade.setColorAt(1, QColor(218, 110, 48));
  Kit::fillOutlined(painter, Kit::ribbon(spine, [](qreal t) { return 4.2 - 1.4 * t; }), shade,
                    QColor(110, 40, 24), 0.8);
  Kit::outline(painter, Kit::smoothOpen(spine).translated(-0.7, -0.4), QColor(255, 200, 150, 110),
               0.8);
  if (detailed) {
    // A dry seta is twisted: fine oblique streaks along it.
    for (int i = 2; i + 1 < spine.size(); ++i) {
      const QPointF along = spine[i + 1] - spine[i];
      const QPointF across(-along.y() * 0.18, along.x() * 0.18);
      Kit::outline(painter, Kit::smoothOpen({spine[i] - across, spine[i] + along * 0.5 + across}),
                   QColor(120, 40, 20, 90), 0.4);
    }
  }
  painter.save();
  painter.translate(spine.last());
  painter.rotate(heading + 90);
  painter.scale(1.3, 1.3);
  paintCapsule(painter, seta.capsule, detailed);
  painter.restore();
}

void FunariaDrawing::paintCapsule(QPainter& painter, const QColor& colour, bool detailed) {
  // Pear-shaped and lopsided: a slender neck, a swollen back, an oblique mouth under the lid.
  const QPainterPath body = Kit::smoothClosed({{-3, 2},
                                               {-6, -14},
                                               {-14, -30},
                                               {-17, -44},
                                               {-12, -56},
                                               {4, -60},
                                               {12, -50},
                                               {10, -34},
                                               {5, -16},
                                               {3, 2}});
  QLinearGradient shade(-17, -30, 12, -30);
  shade.setColorAt(0, colour.lighter(130));
  shade.setColorAt(0.55, colour);
  shade.setColorAt(1, colour.darker(150));
  Kit::fillOutlined(painter, body, shade, colour.darker(210), 0.9);
  const QColor furrow = Kit::withAlpha(colour.darker(190), 190);
  for (int i = 0; i < (detailed ? 7 : 5); ++i) {
    const qreal f = (i + 0.5) / (detailed ? 7 : 5);
    const qreal x0 = -15.5 + 26 * f;
    Kit::outline(
        painter,
        Kit::smoothOpen({{-1 + 1.5 * f, -8}, {-8 + 16 * f, -26}, {x0, -42}, {-10 + 22 * f, -55}}),
        furrow, detailed ? 0.6 : 0.8);
  }
  Kit::outline(painter, Kit::smoothOpen({{-12, -57}, {-4, -61}, {5, -60}, {12, -52}}),
               QColor(150, 30, 24), 2.4);
  const QPainterPath lid =
      Kit::smoothClosed({{-12, -57}, {-6, -66}, {2, -68}, {10, -62}, {12, -52}, {0, -58}});
  QRadialGradient dome(-2, -64, 12);
  dome.setColorAt(0, colour.lighter(150));
  dome.setColorAt(1, colour.darker(120));
  Kit::fillOutlined(painter, lid, dome, colour.darker(210), 0.8);
}

void FunariaDrawing::paintRosette(QPainter& painter, QPointF base, qreal size, bool detailed) {
  // Broad, concave leaves folded around a short stem, like a tiny bulb.
  const QVector<qreal> angles{-62, 58, -40, 36, -20, 18, -4};
  for (int i = 0; i < angles.size(); ++i) {
    const qreal angle = angles[i] * (1 + 0.05 * (i % 2));
    const qreal length = size * (36 - qAbs(angles[i]) * 0.12);
    const QPointF tip = Kit::polar(base, length, -90 + angle);
    const QPointF side = Kit::polar(QPointF(), length * 0.32, angle);
    const QPainterPath leaf = Kit::smoothClosed(
        {base, base + (tip - base) * 0.45 + side, tip, base + (tip - base) * 0.45 - side});
    QLinearGradient shade(base, tip);
    shade.setColorAt(0, QColor(120, 150, 60));
    shade.setColorAt(1, QColor(188, 214, 108));
    Kit::fillOutlined(painter, leaf, shade, QColor(88, 116, 40), 0.8);
    if (detailed) {
      Kit::outline(painter, Kit::smoothOpen({base, base + (tip - base) * 0.85}),
                   QColor(110, 140, 50, 160), 0.6);
    }
  }
}

}  // namespace sylvenor::draw
