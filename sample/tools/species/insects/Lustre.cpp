#include "Lustre.h"

#include <QPainter>
#include <QRadialGradient>
#include <random>

#include "DrawingKit.h"

namespace sylvenor::draw {

QPointF Lustre::towardsLight() { return {-0.6, -0.8}; }

void Lustre::glow(QPainter& painter, QPointF centre, QSizeF radii, qreal degrees,
                  const QColor& colour) {
  QColor clear = colour;
  clear.setAlpha(0);
  QRadialGradient fade(QPointF(0, 0), 1.0);
  fade.setColorAt(0.0, colour);
  fade.setColorAt(0.45, QColor(colour.red(), colour.green(), colour.blue(), colour.alpha() / 2));
  fade.setColorAt(1.0, clear);
  DrawingKit::fillEllipse(painter, centre, radii.width(), radii.height(), degrees, fade);
}

void Lustre::punctures(QPainter& painter, const QPainterPath& area, qreal spacing, qreal radius,
                       const QColor& colour, unsigned seed) {
  std::mt19937 generator(seed);
  std::uniform_real_distribution<qreal> jitter(-0.45 * spacing, 0.45 * spacing);
  QColor rim(255, 255, 255, colour.alpha() / 2);
  const QRectF box = area.boundingRect();
  painter.save();
  painter.setPen(Qt::NoPen);
  for (qreal y = box.top(); y < box.bottom(); y += spacing) {
    for (qreal x = box.left(); x < box.right(); x += spacing) {
      const QPointF pit(x + jitter(generator), y + jitter(generator));
      if (!area.contains(pit)) continue;
      painter.setBrush(rim);
      painter.drawEllipse(pit + QPointF(0.35, 0.45) * radius, radius, radius);
      painter.setBrush(colour);
      painter.drawEllipse(pit, radius, radius);
    }
  }
  painter.restore();
}

}  // namespace sylvenor::draw
