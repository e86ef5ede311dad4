#include "SphagnumDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>
#include <algorithm>

namespace sylvenor::draw {

using Kit = LowPlantKit;

namespace {

const QColor kLiving(150, 192, 96);
const QColor kRed(192, 84, 88);
const QColor kDead(214, 204, 168);
const QColor kOld(168, 146, 104);
constexpr int kFascicles = 12;

LowPlantKit::WidthProfile tapered(qreal width) {
  return [width](qreal t) { return width * (1 - 0.6 * t) * (t > 0.9 ? (1 - t) * 6 + 0.4 : 1); };
}

}  // namespace

void SphagnumDrawing::paint(QPainter& painter) {
  const bool detailed = Kit::isEnlarged(painter);
  const QVector<Stem> stems{{{372, 700}, {330, 420}, {288, 140}, 80, 0.45},
                            {{618, 704}, {660, 430}, {712, 122}, 84, 0.3},
                            {{474, 712}, {456, 420}, {432, 206}, 76, 0.15},
                            {{540, 716}, {556, 440}, {578, 230}, 78, 0.6}};
  for (const Stem& stem : stems) {
    paintStem(painter, stem, false, detailed);
    paintStem(painter, stem, true, detailed);
    paintCapitulum(painter, stem, detailed);
  }
}

QColor SphagnumDrawing::colourAt(qreal height, qreal redness) {
  // Living and green near the head; bleached, then browned, further down.
  const qreal death = qBound(0.0, (0.55 - height) / 0.35, 1.0);
  const QColor living = Kit::mix(kLiving, kRed, redness * qBound(0.0, height - 0.4, 1.0));
  const QColor dead = Kit::mix(kDead, kOld, qBound(0.0, (0.25 - height) / 0.25, 1.0));
  return Kit::mix(living, dead, death);
}

void SphagnumDrawing::paintStem(QPainter& painter, const Stem& stem, bool front, bool detailed) {
  const QVector<QPointF> spine = Kit::curve(stem.base, stem.bend, stem.head, 40);
  // The same seed for both passes, so that back and front branches belong to the same bundles.
  Kit::Random random(std::uint32_t(stem.head.x()));
  if (front) {
    QLinearGradient shade(stem.base, stem.head);
    shade.setColorAt(0, QColor(176, 150, 110));
    shade.setColorAt(0.5, QColor(200, 180, 140));
    shade.setColorAt(1, QColor(150, 70, 60));
    Kit::fillOutlined(painter, Kit::ribbon(spine, [](qreal) { return 5.0; }), shade,
                      QColor(110, 90, 60), 0.7);
  }
  for (int i = 0; i < kFascicles; ++i) {
    const qreal height = 0.9 - 0.78 * i / (kFascicles - 1);
    const int index = int(height * (spine.size() - 1));
    paintFascicle(painter, spine[index], height, stem, front, random, detailed);
  }
}

void SphagnumDrawing::paintFascicle(QPainter& painter, QPointF at, qreal height, const Stem& stem,
                                    bool front, Kit::Random& random, bool detailed) {
  const QColor colour = colourAt(height, stem.redness);
  const qreal youth = qBound(0.0, (height - 0.7) / 0.25, 1.0);
  // Two or three branches spread out all round the stem and arch downwards...
  const int spreading = Kit::chance(random, 0.6) ? 2 : 3;
  const qreal firstAzimuth = Kit::uniform(random, 0, 360);
  for (int i = 0; i < spreading; ++i) {
    const qreal azimuth =
        qDegreesToRadians(firstAzimuth + 360.0 * i / spreading + Kit::uniform(random, -25, 25));
    const qreal length = Kit::uniform(random, 58, 86) * (1 - 0.45 * youth);
    const qreal tilt = qDegreesToRadians(Kit::uniform(random, 35, 62) + 20 * (1 - height));
    const QPointF end = at + QPointF(qCos(azimuth) * qSin(tilt) * length, qCos(tilt) * length);
    const QPointF control =
        at + QPointF(qCos(azimuth) * qSin(tilt) * length * 0.6, qCos(tilt) * length * 0.2);
    if ((qSin(azimuth) > 0) == front) {
      const QColor shade = qSin(azimuth) > 0 ? colour : colour.darker(115);
      paintBranch(painter, Kit::curve(at, control, end, 10), tapered(7), shade, detailed ? 22 : 11);
    }
  }
  // ...and the others hang close along it.
  const int hanging = Kit::chance(random, 0.5) ? 2 : 1;
  for (int i = 0; i < hanging; ++i) {
    const qreal offset = Kit::uniform(random, -7, 7);
    const qreal length = Kit::uniform(random, 40, 60) * (1 - 0.4 * youth);
    const QPointF end = at + QPointF(offset * 1.5, length);
    if (front) {
      paintBranch(painter, Kit::curve(at, at + QPointF(offset, length * 0.4), end, 8), tapered(4.5),
                  colour.lighter(106), detailed ? 18 : 9);
    }
  }
}

void SphagnumDrawing::paintBranch(QPainter& painter, const QVector<QPointF>& spine,
                                  const Kit::WidthProfile& profile, const QColor& colour,
                                  int scales) {
  QLinearGradient shade(spine.first(), spine.last());
  shade.setColorAt(0, colour.darker(118));
  shade.setColorAt(0.7, colour);
  shade.setColorAt(1, colour.lighter(114));
  Kit::fillOutlined(painter, Kit::ribbon(spine, profile), shade, colour.darker(168), 0.7);
  // Tiny overlapping leaves give every branch a beaded look.
  const QPainterPath line = Kit::smoothOpen(spine);
  for (int i = 1; i < scales; ++i) {
    const qreal t = qreal(i) / scales;
    const QPointF point = line.pointAtPercent(t);
    const qreal angle = -line.angleAtPercent(t);
    const qreal half = profile(t) * 0.42;
    const QPointF back = Kit::polar(QPointF(), half * 0.9, angle + 180);
    QPainterPath scale;
    scale.moveTo(point + Kit::polar(QPointF(), half, angle + 90) + back);
    scale.quadTo(point, point + Kit::polar(QPointF(), half, angle - 90) + back);
    Kit::outline(painter, scale, Kit::withAlpha(colour.darker(155), 145), 0.55);
  }
}

void SphagnumDrawing::paintCapitulum(QPainter& painter, const Stem& stem, bool detailed) {
  const QPointF centre = stem.head;
  const qreal radius = stem.headRadius;
  const QColor base = Kit::mix(kLiving, kRed, stem.redness * 0.4);
  Kit::Random random(std::uint32_t(centre.y()) * 7 + 3);
  Kit::fillOutlined(
      painter,
      Kit::blob(centre + QPointF(0, radius * 0.15), radius * 0.66, radius * 0.5, 0.08, 10, random),
      base.darker(170), base.darker(210), 0.6);
  // Short crowded branches curl out from the bud in every direction: a dense round head, seen
  // a little from above so that its star shows. The far ones are drawn first.
  const qreal view = qDegreesToRadians(38.0);
  struct Club {
    QPointF end;
    QPointF control;
    qreal depth;
    qreal youth;
  };
  QVector<Club> clubs;
  const QVector<qreal> elevations{14, 38, 62, 86, 108};
  for (int ring = 0; ring < elevations.size(); ++ring) {
    const int count = 5 + ring * 4;
    for (int i = 0; i < count; ++i) {
      const qreal azimuth =
          qDegreesToRadians(360.0 * (i + 0.41 * ring) / count + Kit::uniform(random, -10, 10));
      const qreal elevation = qDegreesToRadians(elevations[ring] + Kit::uniform(random, -6, 6));
      const qreal length = radius * (0.45 + 0.55 * ring / 4.0) * Kit::uniform(random, 0.88, 1.06);
      const qreal x = qSin(elevation) * qCos(azimuth);
      const qreal up = qCos(elevation);
      const qreal toward = qSin(elevation) * qSin(azimuth);
      const QPointF screen(x, -up * qCos(view) + toward * qSin(view));
      const qreal sag = ring * radius * 0.04;
      clubs.push_back({centre + screen * length + QPointF(0, sag),
                       centre + screen * length * 0.5 + QPointF(0, -sag),
                       toward * qCos(view) + up * qSin(view), 1 - ring / 4.0});
    }
  }
  std::sort(clubs.begin(), clubs.end(),
            [](const Club& a, const Club& b) { return a.depth < b.depth; });
  for (const Club& club : clubs) {
    QColor colour = Kit::mix(base, kRed, club.youth * (0.25 + stem.redness * 0.6));
    colour = colour.lighter(100 + int(14 * club.depth));
    const qreal width = 11 - club.youth * 3;
    const auto swollen = [width](qreal t) {
      const qreal swell = width * (0.6 + 0.45 * t);
      return t < 0.8 ? swell : swell * qSqrt(qMax(0.0, 1 - (t - 0.8) * (t - 0.8) / 0.04)) + 0.5;
    };
    paintBranch(painter, Kit::curve(centre, club.control, club.end, 8), swollen, colour,
                detailed ? 9 : 5);
  }
}

}  // namespace sylvenor::draw
