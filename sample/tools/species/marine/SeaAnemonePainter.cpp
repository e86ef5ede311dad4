#include "SeaAnemonePainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>

#include "MarineKit.h"
#include "PathKit.h"

namespace sylvenor::draw {

namespace {

// A point of the animal in space: x to the right, y towards the viewer, z upwards from the stone.
struct Point3 {
  qreal x, y, z;
};

const QPointF kGround(500, 480);
constexpr qreal kFlatten = 0.5;  // how much a level circle is squashed when seen from above
constexpr qreal kRise = 0.87;    // how much a height shows
constexpr qreal kColumnRadius = 300;
constexpr qreal kColumnHeight = 120;

const QColor kRed(178, 22, 34);
const QColor kDarkRed(92, 8, 16);
const QColor kBlue(46, 120, 226);

QPointF project(const Point3& point) {
  return kGround + QPointF(point.x, point.y * kFlatten - point.z * kRise);
}

Point3 onCircle(qreal radius, qreal degrees, qreal height) {
  const qreal angle = qDegreesToRadians(degrees);
  return {radius * std::cos(angle), radius * std::sin(angle), height};
}

// The column narrows a little above its foot, then widens again under the crown.
qreal columnRadius(qreal height) {
  const qreal t = height / kColumnHeight;
  return kColumnRadius * (1.05 - 0.08 * std::sin(M_PI * t * 0.8) - 0.02 * t);
}

QPainterPath columnShape() {
  std::vector<QPointF> outline;
  constexpr int kSteps = 12;
  for (int i = 0; i <= kSteps; ++i) {
    const qreal height = kColumnHeight * (1 - qreal(i) / kSteps);
    outline.push_back(project({-columnRadius(height), 0, height}));
  }
  for (int degrees = 180; degrees >= 0; degrees -= 6) {
    outline.push_back(project(onCircle(columnRadius(0), degrees, 0)));
  }
  for (int i = 0; i <= kSteps; ++i) {
    const qreal height = kColumnHeight * qreal(i) / kSteps;
    outline.push_back(project({columnRadius(height), 0, height}));
  }
  for (int degrees = 0; degrees >= -180; degrees -= 6) {
    outline.push_back(project(onCircle(columnRadius(kColumnHeight), degrees, kColumnHeight)));
  }
  return MarineKit::polygon(outline);
}

void paintColumn(QPainter& painter, bool enlarged) {
  const QPainterPath column = columnShape();
  const qreal left = kGround.x() - kColumnRadius * 1.06;
  const qreal right = kGround.x() + kColumnRadius * 1.06;
  QLinearGradient round(left, 0, right, 0);
  round.setColorAt(0, kDarkRed);
  round.setColorAt(0.3, QColor(150, 18, 30));
  round.setColorAt(0.42, QColor(196, 46, 58));
  round.setColorAt(0.62, QColor(140, 16, 28));
  round.setColorAt(1, QColor(70, 6, 12));
  painter.fillPath(column, round);
  // The wet skin shines: a soft upright streak on the lit side.
  QLinearGradient shine(left, 0, right, 0);
  shine.setColorAt(0.3, QColor(255, 255, 255, 0));
  shine.setColorAt(0.37, QColor(255, 230, 230, 120));
  shine.setColorAt(0.41, QColor(255, 255, 255, 0));
  painter.fillPath(column, shine);
  // Up close, the wet skin glints in many tiny points.
  if (enlarged) MarineKit::speckle(painter, column, 500, 1.2, QColor(255, 200, 200, 90), 13);
  MarineKit::outline(painter, column, QColor(60, 4, 10), 2.4);
}

void paintBeads(QPainter& painter) {
  constexpr int kBeads = 28;
  for (int i = 0; i < kBeads; ++i) {
    const qreal degrees = 360.0 * (i + 0.5) / kBeads;
    const Point3 spot = onCircle(columnRadius(kColumnHeight) + 2, degrees, kColumnHeight - 30);
    const qreal facing = spot.y / columnRadius(kColumnHeight);
    if (facing < 0.08) continue;
    const QPointF centre = project(spot);
    const qreal radius = 13;
    const QRectF bead(centre.x() - radius * facing, centre.y() - radius, 2 * radius * facing,
                      2 * radius);
    QRadialGradient glow(centre - QPointF(radius * 0.3 * facing, radius * 0.4), radius);
    glow.setColorAt(0, QColor(170, 215, 255));
    glow.setColorAt(0.5, kBlue);
    glow.setColorAt(1, QColor(20, 60, 150));
    painter.setPen(QPen(QColor(14, 40, 100), 1.2));
    painter.setBrush(glow);
    painter.drawEllipse(bead);
  }
}

void paintOralDisc(QPainter& painter) {
  const QPointF centre = project({0, 0, kColumnHeight});
  const qreal radius = columnRadius(kColumnHeight) - 8;
  QPainterPath disc;
  disc.addEllipse(centre, radius, radius * kFlatten);
  QRadialGradient flesh(centre, radius);
  flesh.setColorAt(0, QColor(214, 70, 74));
  flesh.setColorAt(1, QColor(150, 20, 32));
  painter.save();
  painter.translate(centre);
  painter.scale(1, kFlatten);
  painter.translate(-centre);
  painter.fillPath(PathKit::circle(centre, radius), flesh);
  painter.restore();
  for (int i = 0; i < 16; ++i) {
    QPainterPath groove(project(onCircle(34, i * 22.5, kColumnHeight)));
    groove.lineTo(project(onCircle(radius, i * 22.5, kColumnHeight)));
    MarineKit::outline(painter, groove, QColor(120, 14, 24, 110), 1.6);
  }
  const QPainterPath lips = PathKit::ellipse(centre, 36, 15);
  painter.fillPath(lips, QColor(226, 96, 92));
  MarineKit::outline(painter, lips, QColor(120, 14, 24), 1.6);
  const QPainterPath slit = PathKit::ellipse(centre, 24, 5);
  painter.fillPath(slit, QColor(60, 0, 8));
}

struct Tentacle {
  Point3 base;
  qreal degrees;
  qreal rise;
  qreal length;
  qreal width;
};

// Four rings, the inner ones longer and more upright: 6 + 6 + 12 + 24.
std::vector<Tentacle> tentacles() {
  std::vector<Tentacle> all;
  const struct {
    int count;
    qreal radius, rise, length, width, offset;
  } rings[] = {{6, 92, 72, 118, 46, 10},
               {6, 142, 56, 110, 44, 40},
               {12, 196, 38, 100, 40, 25},
               {24, 250, 14, 86, 34, 3}};
  for (const auto& ring : rings) {
    for (int i = 0; i < ring.count; ++i) {
      const qreal degrees = ring.offset + 360.0 * i / ring.count;
      // Those on the near side lean out towards the viewer, or they would be seen end-on.
      const qreal facing = std::max(0.0, std::sin(qDegreesToRadians(degrees)));
      const qreal rise = ring.rise - (ring.rise - 4) * facing * facing;
      all.push_back(
          {onCircle(ring.radius, degrees, kColumnHeight), degrees, rise, ring.length, ring.width});
    }
  }
  std::sort(all.begin(), all.end(),
            [](const Tentacle& a, const Tentacle& b) { return a.base.y < b.base.y; });
  return all;
}

Point3 along(const Tentacle& arm, qreal distance, qreal rise) {
  const qreal up = qDegreesToRadians(rise);
  const Point3 step = onCircle(std::cos(up) * distance, arm.degrees, std::sin(up) * distance);
  return {arm.base.x + step.x, arm.base.y + step.y, arm.base.z + step.z};
}

void paintTentacle(QPainter& painter, const Tentacle& arm) {
  QPainterPath line(project(arm.base));
  line.quadTo(project(along(arm, arm.length * 0.55, arm.rise)),
              project(along(arm, arm.length, arm.rise - 14)));
  const QPainterPath shape = MarineKit::taper(line, arm.width, arm.width * 0.4);
  QLinearGradient flesh(line.pointAtPercent(0), line.pointAtPercent(1));
  flesh.setColorAt(0, QColor(140, 14, 26));
  flesh.setColorAt(0.6, kRed);
  flesh.setColorAt(1, QColor(222, 92, 96));
  painter.fillPath(shape, flesh);
  const QPainterPath gloss = MarineKit::taper(line.translated(-arm.width * 0.18, -arm.width * 0.14),
                                              arm.width * 0.22, arm.width * 0.1);
  painter.fillPath(gloss, QColor(255, 210, 210, 70));
  MarineKit::outline(painter, shape, QColor(96, 8, 18), 1.5);
}

}  // namespace

void SeaAnemonePainter::paint(QPainter& painter) {
  const bool enlarged = MarineKit::isEnlarged(painter);
  MarineKit::paintRock(painter, MarineKit::rock({500, 575}, 410, 110, 11), 12);
  MarineKit::softShadow(painter, kGround + QPointF(10, 8), kColumnRadius * 1.15,
                        kColumnRadius * kFlatten * 1.1, 120);
  paintColumn(painter, enlarged);
  paintBeads(painter);
  paintOralDisc(painter);
  for (const Tentacle& arm : tentacles()) paintTentacle(painter, arm);
}

}  // namespace sylvenor::draw
