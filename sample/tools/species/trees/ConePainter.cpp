#include "ConePainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "BotanyKit.h"
#include "DrawingKit.h"

namespace sylvenor::draw {

namespace {

constexpr qreal kPi = 3.14159265358979323846;
constexpr qreal kBow = 0.22;  // rows look curved: the cone is seen a little from its base

qreal radians(qreal degrees) { return degrees * kPi / 180; }

qreal wrapped(qreal degrees) { return std::remainder(degrees, 360.0); }

}  // namespace

ConePainter::ConePainter(const ConeLook& look, const QTransform& placement)
    : look_(look), placement_(placement) {}

qreal ConePainter::radiusAt(qreal along) const {
  if (along <= 0 || along >= 1) return 0;
  const qreal w = look_.widest;
  const qreal u = along < w ? 0.5 * along / w : 0.5 + 0.5 * (along - w) / (1 - w);
  const qreal exponent = along < w ? std::min(0.55, look_.apexRoundness) : look_.apexRoundness;
  return look_.radius * std::pow(std::sin(u * kPi), exponent);
}

QPointF ConePainter::surface(qreal along, qreal around, qreal lift) const {
  const qreal r = radiusAt(along) * (1 + lift);
  return {r * std::sin(radians(around)),
          along * look_.length - kBow * r * std::cos(radians(around))};
}

QPainterPath ConePainter::body() const {
  QPainterPath path(QPointF(0, 0));
  const int steps = 60;
  for (int i = 1; i <= steps; ++i) {
    const qreal t = qreal(i) / steps;
    path.lineTo(-radiusAt(t), t * look_.length);
  }
  for (int i = steps - 1; i > 0; --i) {
    const qreal t = qreal(i) / steps;
    path.lineTo(radiusAt(t), t * look_.length);
  }
  path.closeSubpath();
  return path;
}

QPointF ConePainter::nearScale(const Scale& scale, qreal rows, qreal columns, qreal lift) const {
  const qreal dt = 1.0 / look_.rows;
  const qreal da = 180.0 / look_.perRow;
  return surface(scale.along + rows * dt, scale.around + columns * da + look_.twist * rows * dt,
                 lift);
}

QPainterPath ConePainter::shield(const Scale& scale) const {
  auto at = [&](qreal rows, qreal columns) { return nearScale(scale, rows, columns); };
  const QPointF centre = at(0, 0);
  const QPointF corners[] = {at(-1, 0), at(0, 1), at(1, 0), at(0, -1)};
  const QPointF bulges[] = {at(-0.5, 0.5), at(0.5, 0.5), at(0.5, -0.5), at(-0.5, -0.5)};
  auto shrink = [&](QPointF p) { return centre + (p - centre) * 0.9; };
  QPainterPath path(shrink(corners[0]));
  for (int k = 0; k < 4; ++k) {
    const QPointF bulge = centre + (bulges[k] - centre) * 1.12;
    path.quadTo(shrink(bulge), shrink(corners[(k + 1) % 4]));
  }
  return path;
}

QPainterPath ConePainter::thinScale(const Scale& scale) const {
  const qreal reach = 1.3 + 0.12 * scale.tone;
  auto at = [&](qreal rows, qreal columns, qreal lift = 0) {
    return nearScale(scale, rows, columns, lift);
  };
  QPainterPath path(at(-0.9, 0));
  path.lineTo(at(-0.2, 1.05));
  const int steps = 16;
  for (int k = 0; k <= steps; ++k) {
    const qreal x = 1 - 2.0 * k / steps;
    const qreal wave = 0.06 * std::sin(x * kPi * 3 + scale.tone);
    const qreal along = 0.5 + (reach - 0.5) * (1 - std::pow(std::abs(x), 1.7)) + wave;
    path.lineTo(at(along, 0.95 * x, 0.06 * (along - 0.4)));
  }
  path.lineTo(at(-0.2, -1.05));
  path.closeSubpath();
  return path;
}

QColor ConePainter::lit(const Scale& scale) const {
  const qreal light =
      0.4 + 0.6 * std::max(0.0, std::cos(radians(scale.around + 35))) + 0.06 * scale.tone;
  return DrawingKit::blend(look_.colour.darker(230), look_.colour.lighter(118), light);
}

void ConePainter::paintShield(QPainter& painter, const Scale& scale) const {
  const QPainterPath shape = shield(scale);
  const QPointF centre = surface(scale.along, scale.around);
  const QColor colour = lit(scale);
  const qreal size = std::max(4.0, shape.boundingRect().width() * 0.7);
  QRadialGradient gradient(centre + QPointF(-size * 0.25, -size * 0.25), size);
  gradient.setColorAt(0, colour.lighter(125));
  gradient.setColorAt(0.6, colour);
  gradient.setColorAt(1, colour.darker(175));
  painter.fillPath(shape, gradient);
  DrawingKit::outline(painter, shape, colour.darker(170), 0.5);
  const qreal da = 180.0 / look_.perRow;
  QPainterPath keel(surface(scale.along, scale.around - da * 0.75));
  keel.quadTo(centre + QPointF(0, -size * 0.06), surface(scale.along, scale.around + da * 0.75));
  DrawingKit::outline(painter, keel, colour.darker(135), 0.9);
  const qreal umbo = std::max(1.2, size * 0.09);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour.darker(170));
  painter.drawEllipse(centre, umbo * 1.3, umbo);
  if (DrawingKit::isEnlarged(painter)) {
    painter.setBrush(colour.lighter(140));
    painter.drawEllipse(centre + QPointF(-umbo * 0.35, -umbo * 0.3), umbo * 0.4, umbo * 0.3);
  }
}

void ConePainter::paintThinScale(QPainter& painter, const Scale& scale) const {
  const QPainterPath shape = thinScale(scale);
  const qreal dt = 1.0 / look_.rows;
  const QColor colour = lit(scale);
  QLinearGradient gradient(surface(scale.along - 0.3 * dt, scale.around),
                           surface(scale.along + 1.2 * dt, scale.around));
  gradient.setColorAt(0, colour.darker(190));
  gradient.setColorAt(0.6, colour);
  gradient.setColorAt(1, colour.lighter(115));
  painter.fillPath(shape, gradient);
  DrawingKit::outline(painter, shape, colour.darker(210), 0.8);
  if (!DrawingKit::isEnlarged(painter)) return;
  const qreal da = 180.0 / look_.perRow;
  for (int k = -2; k <= 2; ++k) {
    const qreal d = k * da * 0.3;
    DrawingKit::outline(painter,
                        BotanyKit::curve(surface(scale.along + 0.3 * dt, scale.around + d),
                                         surface(scale.along + 0.7 * dt, scale.around + d * 1.05),
                                         surface(scale.along + 1.0 * dt, scale.around + d * 1.1)),
                        colour.darker(125), 0.4);
  }
}

void ConePainter::paintGloss(QPainter& painter) const {
  if (look_.gloss <= 0) return;
  const QPointF centre(-look_.radius * 0.45, look_.length * look_.widest);
  QRadialGradient gradient(centre, look_.radius * 0.9);
  gradient.setColorAt(0, QColor(255, 250, 240, int(255 * look_.gloss)));
  gradient.setColorAt(1, QColor(255, 250, 240, 0));
  painter.save();
  painter.setClipPath(body());
  painter.translate(centre);
  painter.scale(0.5, 1.6);
  painter.translate(-centre);
  painter.fillRect(QRectF(centre.x() - look_.radius, centre.y() - look_.radius, 2 * look_.radius,
                          2 * look_.radius),
                   gradient);
  painter.restore();
}

void ConePainter::paint(QPainter& painter) const {
  std::vector<Scale> scales;
  std::mt19937 random(look_.rows * 131 + look_.perRow);
  for (int row = 0; row < look_.rows; ++row) {
    const qreal along = (row + 0.5) / look_.rows;
    for (int i = 0; i < look_.perRow; ++i) {
      const qreal around =
          wrapped((i + 0.5 * (row % 2)) * 360.0 / look_.perRow + look_.twist * along);
      const qreal tone = BotanyKit::uniform(random, -1, 1);
      if (std::cos(radians(around)) > -0.2) scales.push_back({along, around, tone});
    }
  }
  const bool thin = look_.scales == ConeLook::Scales::Thin;
  std::stable_sort(scales.begin(), scales.end(), [thin](const Scale& a, const Scale& b) {
    if (thin && a.along != b.along) return a.along > b.along;
    return std::cos(radians(a.around)) < std::cos(radians(b.around));
  });
  const QPainterPath shape = body();
  BotanyKit::castShadow(painter, placement_.map(shape), QPointF(6, 8));
  painter.save();
  painter.setTransform(placement_, true);
  painter.fillPath(shape, look_.colour.darker(320));
  for (const Scale& scale : scales) {
    if (thin) {
      paintThinScale(painter, scale);
    } else {
      paintShield(painter, scale);
    }
  }
  paintGloss(painter);
  painter.restore();
}

}  // namespace sylvenor::draw
