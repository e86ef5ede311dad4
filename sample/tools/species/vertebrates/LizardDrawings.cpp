#include "LizardDrawings.h"

#include <QPainter>

#include "DrawingCatalog.h"
#include "LizardPainter.h"
#include "Scatter.h"
#include "SkinShading.h"

namespace sylvenor::draw {

namespace {

using Leg = LizardPainter::Leg;

// Front toes: the third and fourth are the longest. Hind toes: the fourth is much the longest
// and the fifth stands apart, as in every lacertid.
std::vector<Limb::Toe> frontToes(qreal scale) {
  return {
      {-52, 12 * scale}, {-26, 20 * scale}, {-4, 26 * scale}, {18, 27 * scale}, {50, 17 * scale}};
}

std::vector<Limb::Toe> hindToes(qreal scale) {
  return {
      {-46, 13 * scale}, {-28, 22 * scale}, {-10, 31 * scale}, {8, 44 * scale}, {62, 25 * scale}};
}

std::vector<Leg> legs(qreal shoulder, qreal hip, qreal scale, qreal width) {
  const qreal w = width;
  return {
      {shoulder, -1, 100, 25, 35, 36 * scale, 32 * scale, 15 * w, 10 * w, 8 * w, 4.2 * w,
       frontToes(scale)},
      {shoulder + 8, 1, 105, 150, 120, 36 * scale, 30 * scale, 15 * w, 10 * w, 8 * w, 4.2 * w,
       frontToes(scale)},
      {hip, -1, 95, 150, 125, 50 * scale, 44 * scale, 20 * w, 12 * w, 9 * w, 4.4 * w,
       hindToes(scale)},
      {hip - 6, 1, 70, 105, 55, 50 * scale, 40 * scale, 20 * w, 12 * w, 9 * w, 4.4 * w,
       hindToes(scale)},
  };
}

void scatterSpots(QPainter& painter, const BodyShape& body, std::uint32_t seed, int count,
                  const QRectF& area, qreal gap, qreal radius, const QColor& colour) {
  painter.setBrush(colour);
  for (const QPointF& tv : Scatter::onBody(body, seed, count, area, gap)) {
    painter.drawEllipse(body.at(tv.x(), tv.y()), radius * (0.8 + 0.4 * std::abs(tv.y())), radius);
  }
}

// Dark dots scattered over the legs.
struct LegDots {
  QColor colour;
  std::uint32_t seed;
  int count;
  qreal gap;
  qreal radiusX;
  qreal radiusY;
};

LizardPainter::ShapeDetail legPattern(const LegDots& dots) {
  return [dots](QPainter& painter, const QPainterPath& legs) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(dots.colour);
    for (const QPointF& point : Scatter::inShape(legs, dots.seed, dots.count, dots.gap)) {
      painter.drawEllipse(point, dots.radiusX, dots.radiusY);
    }
    painter.restore();
  };
}

// A back pattern is laid out from where the head ends and the tail starts, as fractions of the
// whole length that only the finished body knows.
using BackPattern = void (*)(QPainter&, const BodyShape&, qreal tHead, qreal tVent);

void paintLizard(QPainter& painter, LizardPainter::Design design, BackPattern pattern) {
  const LizardPainter lizard(design);
  const qreal tHead = lizard.tAt(design.headLength);
  const qreal tVent = lizard.tAt(design.vent);
  design.pattern = [pattern, tHead, tVent](QPainter& p, const BodyShape& body) {
    pattern(p, body, tHead, tVent);
  };
  LizardPainter(design).paint(painter);
}

// Grey-brown back with a row of small dark spots, a thin pale line on each side and dark flanks
// broken by pale spots into a net.
void paintWallLizardPattern(QPainter& painter, const BodyShape& body, qreal tHead, qreal tVent) {
  painter.save();
  painter.setPen(Qt::NoPen);
  const QColor flank(74, 56, 40);
  for (const int side : {-1, 1}) {
    const qreal inner = side * 0.5;
    painter.fillPath(body.band(inner, side * 1.0, tHead * 0.7, tVent + 0.12), flank);
    painter.fillPath(body.band(side * 0.42, inner, tHead * 0.9, tVent + 0.2),
                     QColor(176, 164, 134));
    const QRectF area =
        side < 0 ? QRectF(tHead * 0.7, -1.0, tVent, 0.48) : QRectF(tHead * 0.7, 0.52, tVent, 0.48);
    scatterSpots(painter, body, side < 0 ? 3 : 4, 120, area, 7.5, 3.3, QColor(156, 140, 110));
  }
  scatterSpots(painter, body, 5, 26, QRectF(tHead, -0.22, tVent - tHead, 0.44), 12, 2.8,
               QColor(70, 52, 36));
  scatterSpots(painter, body, 6, 30, QRectF(tVent, -0.8, 0.4, 1.6), 14, 2.2,
               QColor(90, 72, 52, 180));
  scatterSpots(painter, body, 7, 14, QRectF(0.0, -0.7, tHead * 0.95, 1.4), 9, 1.6,
               QColor(70, 52, 36, 200));
  painter.restore();
}

void paintWallLizard(QPainter& painter) {
  LizardPainter::Design design;
  design.spine.moveTo(70, 270);
  design.spine.cubicTo(220, 240, 360, 300, 510, 300);
  design.spine.cubicTo(680, 300, 880, 330, 880, 470);
  design.spine.cubicTo(880, 590, 760, 640, 610, 630);
  design.halfWidth = {{0, 0},    {4, 12},   {18, 20},  {50, 27},  {80, 31},   {100, 28},
                      {122, 23}, {155, 30}, {240, 40}, {340, 40}, {410, 33},  {445, 25},
                      {490, 19}, {640, 13}, {950, 6},  {1180, 2}, {1248, 0.5}};
  design.headLength = 104;
  design.vent = 445;
  design.legs = legs(160, 415, 1.35, 1.3);
  design.skin = QColor(140, 122, 96);
  design.outline = QColor(58, 44, 30);
  design.claw = QColor(46, 36, 26);
  design.iris = QColor(176, 132, 60);
  design.granule = 4.6;
  design.whorl = 7;
  design.scales = {QColor(40, 28, 16, 120), QColor(255, 250, 230, 45), 0.7, false};
  design.legPattern = legPattern({QColor(96, 76, 56, 200), 8, 60, 10, 2.6, 2.2});
  paintLizard(painter, design, paintWallLizardPattern);
}

// Bright green finely dotted with black; the male's blue throat shows on the sides of the head.
void paintGreenLizardPattern(QPainter& painter, const BodyShape& body, qreal tHead, qreal tVent) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.fillPath(body.band(-1, 1, 0, tHead * 0.8), QColor(110, 140, 52));
  painter.fillPath(body.band(-1, 1, tHead * 0.8, tHead * 1.05), QColor(110, 140, 52, 120));
  painter.fillPath(body.band(-1, 1, tVent + 0.06, 1), QColor(112, 138, 62, 200));
  for (const int side : {-1, 1}) {
    const QColor blue(58, 104, 196);
    painter.fillPath(body.band(side * 0.62, side * 1.0, tHead * 0.42, tHead * 1.25), blue);
    painter.fillPath(body.band(side * 0.78, side * 1.0, tHead * 0.3, tHead * 1.45),
                     blue.darker(115));
  }
  scatterSpots(painter, body, 13, 420, QRectF(tHead * 0.95, -1.0, tVent - tHead + 0.05, 2.0), 7.5,
               1.7, QColor(16, 22, 10));
  scatterSpots(painter, body, 14, 60, QRectF(0.02, -0.6, tHead * 0.95, 1.2), 8, 1.4,
               QColor(20, 24, 10, 220));
  scatterSpots(painter, body, 15, 80, QRectF(tVent, -0.9, 0.25, 1.8), 10, 1.4,
               QColor(20, 24, 10, 170));
  painter.restore();
}

void paintGreenLizard(QPainter& painter) {
  LizardPainter::Design design;
  design.spine.moveTo(930, 290);
  design.spine.cubicTo(800, 260, 640, 330, 480, 340);
  design.spine.cubicTo(320, 350, 140, 330, 110, 470);
  design.spine.cubicTo(85, 590, 250, 650, 500, 640);
  design.halfWidth = {{0, 0},    {6, 16},   {26, 31},  {66, 45},  {106, 54},  {132, 51},
                      {154, 42}, {190, 48}, {280, 62}, {380, 62}, {440, 52},  {470, 38},
                      {520, 28}, {690, 18}, {1000, 8}, {1290, 2}, {1360, 0.5}};
  design.headLength = 138;
  design.vent = 470;
  design.legs = legs(200, 440, 1.6, 1.8);
  design.skin = QColor(86, 164, 44);
  design.outline = QColor(34, 62, 20);
  design.claw = QColor(40, 34, 24);
  design.iris = QColor(196, 150, 60);
  design.granule = 5.6;
  design.whorl = 8;
  design.scales = {QColor(20, 40, 10, 110), QColor(240, 255, 200, 60), 0.75, true};
  design.legPattern = legPattern({QColor(16, 22, 10, 220), 16, 120, 7, 1.6, 1.5});
  paintLizard(painter, design, paintGreenLizardPattern);
}

}  // namespace

void LizardDrawings::addTo(DrawingCatalog& catalog) {
  catalog.add("lezard-des-murailles", paintWallLizard);
  catalog.add("lezard-vert", paintGreenLizard);
}

}  // namespace sylvenor::draw
