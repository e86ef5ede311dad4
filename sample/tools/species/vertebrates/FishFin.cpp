#include "FishFin.h"

#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>

#include "BodyShape.h"
#include "SkinShading.h"

namespace sylvenor::draw {

namespace {

constexpr int kMarginSteps = 90;
// A spine stands this far above the notched membrane that joins it to the next one.
constexpr qreal kNotchDepth = 0.8;

QPointF direction(qreal degrees) {
  const qreal radians = degrees * M_PI / 180.0;
  return {std::cos(radians), std::sin(radians)};
}

}  // namespace

FishFin::FishFin(const Shape& shape, const BodyShape& body)
    : shape_(shape),
      baseStart_(body.at(shape.baseStart.x(), shape.baseStart.y())),
      baseEnd_(body.at(shape.baseEnd.x(), shape.baseEnd.y())) {
  if (shape_.spines == 0) {
    for (int i = 0; i <= kMarginSteps; ++i) margin_.push_back(tipPoint(qreal(i) / kMarginSteps));
    return;
  }
  const qreal spineGap = 1.0 / (shape_.rays - 1);
  const qreal spinyEnd = spineGap * shape_.spines;
  for (int i = 0; i < shape_.spines; ++i) {
    const qreal s = i * spineGap;
    margin_.push_back(basePoint(s) + (tipPoint(s) - basePoint(s)) * 0.97);
    const qreal notch = s + spineGap * 0.55;
    margin_.push_back(basePoint(notch) + (tipPoint(notch) - basePoint(notch)) * kNotchDepth);
  }
  for (int i = 0; i <= kMarginSteps; ++i) {
    const qreal s = spinyEnd + (1.0 - spinyEnd) * i / kMarginSteps;
    margin_.push_back(tipPoint(s));
  }
}

QPointF FishFin::basePoint(qreal s) const { return baseStart_ + (baseEnd_ - baseStart_) * s; }

QPointF FishFin::tipPoint(qreal s) const {
  const qreal angle = shape_.angleStart + (shape_.angleEnd - shape_.angleStart) * s;
  return basePoint(s) + direction(angle) * shape_.length(s);
}

QPainterPath FishFin::outline() const {
  QPainterPath path(baseStart_);
  for (const QPointF& point : margin_) path.lineTo(point);
  path.lineTo(baseEnd_);
  path.closeSubpath();
  return path;
}

void FishFin::paint(QPainter& painter) const {
  const QPointF base = basePoint(0.5);
  QLinearGradient gradient(base, base + (tipPoint(0.5) - base) * 1.1);
  gradient.setColorAt(0.0, shape_.colours.membrane);
  gradient.setColorAt(1.0, shape_.colours.edge);
  const QPainterPath path = outline();
  painter.fillPath(path, gradient);
  paintRays(painter);
  SkinShading::outline(painter, path, SkinShading::withAlpha(shape_.colours.ray, 150), 1.1);
}

void FishFin::paintRays(QPainter& painter) const {
  painter.save();
  painter.setClipPath(outline());
  for (int i = 0; i < shape_.rays; ++i) {
    const qreal s = shape_.rays > 1 ? qreal(i) / (shape_.rays - 1) : 0.5;
    const bool spine = i < shape_.spines;
    const QPointF from = basePoint(s);
    const QPointF to = spine ? from + (tipPoint(s) - from) * 0.97 : tipPoint(s);
    painter.setPen(QPen(shape_.colours.ray, spine ? 2.4 : 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    if (!spine && SkinShading::isEnlarged(painter)) paintRaySegments(painter, from, to);
  }
  painter.restore();
}

// Soft rays are jointed; the enlarged view shows their segments as fine cross marks.
void FishFin::paintRaySegments(QPainter& painter, QPointF from, QPointF to) const {
  const QLineF ray(from, to);
  const int joints = int(ray.length() / 9.0);
  const QLineF normal = ray.normalVector().unitVector();
  const QPointF across(normal.dx() * 1.6, normal.dy() * 1.6);
  painter.setPen(QPen(SkinShading::withAlpha(shape_.colours.ray, 120), 0.7));
  for (int j = 2; j < joints; ++j) {
    const QPointF at = ray.pointAt(qreal(j) / joints);
    painter.drawLine(at - across, at + across);
  }
}

}  // namespace sylvenor::draw
