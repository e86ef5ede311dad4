#include "OpenConePainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <random>

#include "BotanyKit.h"
#include "DrawingKit.h"

namespace sylvenor::draw {

namespace {

constexpr qreal kPi = 3.14159265358979323846;
constexpr qreal kGoldenAngle = 137.508;
constexpr int kScales = 58;
const qreal kTilt = 20 * kPi / 180;  // the apex leans toward the viewer
const QVector3D kLight = QVector3D(-0.45f, -0.55f, 0.7f).normalized();

const QColor kInner(204, 142, 86);
const QColor kOuter(112, 80, 54);
const QColor kShield(146, 128, 106);
const QColor kEdge(58, 38, 24);

// Outline of a scale: along its length, then across it, both as fractions of its length.
const std::vector<QPointF> kScaleShape = {
    {0, -0.10},   {0.25, -0.21}, {0.55, -0.32}, {0.78, -0.36}, {0.92, -0.29},
    {1.0, -0.13}, {1.03, 0},     {1.0, 0.13},   {0.92, 0.29},  {0.78, 0.36},
    {0.55, 0.32}, {0.25, 0.21},  {0, 0.10}};
const std::vector<QPointF> kShieldShape = {{0.74, -0.35}, {0.92, -0.29}, {1.0, -0.13}, {1.03, 0},
                                           {1.0, 0.13},   {0.92, 0.29},  {0.74, 0.35}, {0.8, 0}};

qreal sizeAt(qreal along) {
  if (along < 0.3) return 0.8 + 0.2 * along / 0.3;
  return 1 - 0.55 * std::pow((along - 0.3) / 0.7, 1.3);
}

}  // namespace

OpenConePainter::OpenConePainter(qreal length, qreal scaleLength, const QTransform& placement)
    : length_(length), scaleLength_(scaleLength), placement_(placement) {
  build(7);
  chooseSeedBearers();
  std::stable_sort(plates_.begin(), plates_.end(),
                   [](const Plate& a, const Plate& b) { return a.depth < b.depth; });
}

void OpenConePainter::build(unsigned seed) {
  std::mt19937 random(seed);
  for (int k = 0; k < kScales; ++k) {
    const qreal t = 0.03 + 0.92 * k / (kScales - 1);
    const qreal around = (k * kGoldenAngle + BotanyKit::uniform(random, -6, 6)) * kPi / 180;
    const qreal opening =
        (118 - 80 * std::pow(t, 1.1) + BotanyKit::uniform(random, -6, 6)) * kPi / 180;
    const QVector3D outward(std::sin(around), 0, std::cos(around));
    const QVector3D axis(0, 1, 0);
    Plate plate;
    plate.size = scaleLength_ * sizeAt(t) * BotanyKit::uniform(random, 0.93, 1.06);
    plate.origin = axis * (t * length_) + outward * (0.1 * scaleLength_ * (1 - 0.5 * t));
    plate.outward = outward * std::sin(opening) + axis * std::cos(opening);
    plate.across = QVector3D(std::cos(around), 0, -std::sin(around));
    const QVector3D inner = -outward * std::cos(opening) + axis * std::sin(opening);
    const qreal innerDepth = depthOf(inner);
    plate.innerFaceSeen = innerDepth > 0;
    const QVector3D facing = plate.innerFaceSeen ? inner : -inner;
    const QVector3D view(facing.x(), project(facing).y(), depthOf(facing));
    plate.facing = facing;
    plate.along = t;
    plate.frontness = std::cos(around);
    plate.light = 0.3 + 0.7 * std::max(0.0f, QVector3D::dotProduct(view.normalized(), kLight));
    plate.depth = depthOf(plate.origin + plate.outward * (plate.size * 0.5));
    plates_.push_back(plate);
  }
}

void OpenConePainter::chooseSeedBearers() {
  std::vector<Plate*> candidates;
  for (Plate& plate : plates_) {
    if (plate.innerFaceSeen && plate.along < 0.4 && plate.frontness > 0.2) {
      candidates.push_back(&plate);
    }
  }
  auto seen = [this](const Plate* plate) {
    const QRectF bounds = outline(*plate, kScaleShape).boundingRect();
    return bounds.width() * bounds.height() * plate->frontness;
  };
  std::stable_sort(candidates.begin(), candidates.end(),
                   [&](const Plate* a, const Plate* b) { return seen(a) > seen(b); });
  for (std::size_t i = 0; i < candidates.size() && i < 2; ++i) candidates[i]->seeds = 2 - int(i);
}

QPointF OpenConePainter::project(const QVector3D& point) const {
  return {point.x(), point.y() * std::cos(kTilt) - point.z() * std::sin(kTilt)};
}

qreal OpenConePainter::depthOf(const QVector3D& point) const {
  return point.y() * std::sin(kTilt) + point.z() * std::cos(kTilt);
}

QPointF OpenConePainter::onPlate(const Plate& plate, qreal along, qreal across) const {
  return project(plate.origin + plate.outward * (along * plate.size) +
                 plate.across * (across * plate.size));
}

QPainterPath OpenConePainter::outline(const Plate& plate, const std::vector<QPointF>& shape) const {
  QPolygonF polygon;
  for (const QPointF& point : shape) polygon << onPlate(plate, point.x(), point.y());
  QPainterPath path;
  path.addPolygon(polygon);
  path.closeSubpath();
  return path;
}

void OpenConePainter::paintAxis(QPainter& painter) const {
  const QPainterPath spine = BotanyKit::curve(
      project({0, 0, 0}), project({0, float(length_ * 0.5), 0}), project({0, float(length_), 0}));
  painter.fillPath(BotanyKit::taper(spine, scaleLength_ * 0.3, scaleLength_ * 0.12),
                   kOuter.darker(200));
}

void OpenConePainter::paintInnerFace(QPainter& painter, const Plate& plate,
                                     const QColor& colour) const {
  const QPainterPath face = outline(plate, kScaleShape);
  QLinearGradient gradient(onPlate(plate, 0, 0), onPlate(plate, 1, 0));
  gradient.setColorAt(0, colour.darker(260));
  gradient.setColorAt(0.45, colour);
  gradient.setColorAt(1, colour.lighter(112));
  painter.fillPath(face, gradient);
  QPainterPath rim(onPlate(plate, 0.84, -0.34));
  rim.quadTo(onPlate(plate, 1.0, -0.16), onPlate(plate, 1.03, 0));
  rim.quadTo(onPlate(plate, 1.0, 0.16), onPlate(plate, 0.84, 0.34));
  DrawingKit::outline(painter, rim, kShield.darker(140), plate.size * 0.07);
  DrawingKit::outline(painter, face, kEdge, 0.9);
}

void OpenConePainter::paintOuterFace(QPainter& painter, const Plate& plate,
                                     const QColor& colour) const {
  const QPainterPath face = outline(plate, kScaleShape);
  QLinearGradient gradient(onPlate(plate, 0, 0), onPlate(plate, 1, 0));
  gradient.setColorAt(0, colour.darker(240));
  gradient.setColorAt(1, colour);
  painter.fillPath(face, gradient);
  const QPainterPath shield = outline(plate, kShieldShape);
  const QColor shieldColour =
      DrawingKit::blend(kShield.darker(220), kShield.lighter(110), plate.light);
  painter.fillPath(shield, shieldColour);
  DrawingKit::outline(painter, shield, kEdge, 0.6);
  painter.setPen(Qt::NoPen);
  painter.setBrush(shieldColour.darker(160));
  painter.drawEllipse(onPlate(plate, 0.9, 0), plate.size * 0.05, plate.size * 0.05);
  DrawingKit::outline(painter, face, kEdge, 0.9);
}

void OpenConePainter::paintSeed(QPainter& painter, const Plate& plate, qreal across) const {
  const qreal lean = across * 0.3;
  QPainterPath wing(onPlate(plate, 0.16, across - 0.08));
  wing.cubicTo(onPlate(plate, 0.45, across - 0.18 + lean),
               onPlate(plate, 0.84, across - 0.16 + lean), onPlate(plate, 0.96, across + lean));
  wing.cubicTo(onPlate(plate, 0.9, across + 0.11 + lean), onPlate(plate, 0.45, across + 0.11),
               onPlate(plate, 0.16, across + 0.08));
  wing.closeSubpath();
  painter.fillPath(wing, QColor(240, 218, 174, 235));
  for (int k = -1; k <= 1; ++k) {
    DrawingKit::outline(painter,
                        BotanyKit::curve(onPlate(plate, 0.32, across + k * 0.03),
                                         onPlate(plate, 0.6, across + k * 0.06 + lean * 0.5),
                                         onPlate(plate, 0.84, across + k * 0.05 + lean)),
                        QColor(150, 105, 60, 150), 0.5);
  }
  DrawingKit::outline(painter, wing, QColor(110, 70, 36), 1.1);
  const QPointF centre = onPlate(plate, 0.21, across);
  const QPointF axis = onPlate(plate, 0.3, across) - onPlate(plate, 0.12, across);
  QPainterPath seed =
      BotanyKit::spindle(centre - axis * 0.5, centre, centre + axis * 0.5, plate.size * 0.19);
  painter.fillPath(seed, QColor(56, 34, 20));
  DrawingKit::outline(painter, seed, QColor(30, 18, 10), 0.6);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 235, 200, 110));
  painter.drawEllipse(centre - axis * 0.12, plate.size * 0.025, plate.size * 0.02);
}

void OpenConePainter::paintPlate(QPainter& painter, const Plate& plate) const {
  const QPointF thickness = project(plate.facing * float(-plate.size * 0.1));
  painter.fillPath(outline(plate, kScaleShape).translated(thickness), kEdge);
  if (plate.innerFaceSeen) {
    paintInnerFace(painter, plate, DrawingKit::blend(kInner.darker(200), kInner, plate.light));
  } else {
    paintOuterFace(painter, plate, DrawingKit::blend(kOuter.darker(200), kOuter, plate.light));
  }
}

void OpenConePainter::paint(QPainter& painter) const {
  painter.save();
  painter.setTransform(placement_, true);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kEdge.darker(130));
  painter.drawEllipse(project({0, float(length_ * 0.45), 0}), scaleLength_ * 0.75, length_ * 0.42);
  paintAxis(painter);
  for (const Plate& plate : plates_) paintPlate(painter, plate);
  // The scales that carry seeds are drawn again last, so that nothing hides their seeds.
  for (const Plate& plate : plates_) {
    if (plate.seeds == 0) continue;
    paintPlate(painter, plate);
    paintSeed(painter, plate, plate.seeds >= 2 ? -0.16 : 0);
    if (plate.seeds >= 2) paintSeed(painter, plate, 0.16);
  }
  painter.restore();
}

}  // namespace sylvenor::draw
