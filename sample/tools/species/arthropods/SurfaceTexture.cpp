#include "SurfaceTexture.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>
#include <random>

#include "DrawingKit.h"

namespace sylvenor::draw::arthropods {

void SurfaceTexture::fillDome(QPainter& painter, const QPainterPath& shape, const Dome& dome) {
  QRadialGradient shade(dome.light, dome.radius);
  shade.setColorAt(0.0, dome.lit);
  shade.setColorAt(dome.middle, dome.colour);
  shade.setColorAt(1.0, dome.edge);
  painter.fillPath(shape, shade);
}

void SurfaceTexture::speckle(QPainter& painter, const QPainterPath& area,
                             const Speckles& speckles) {
  std::mt19937 generator(speckles.seed);
  const QRectF box = area.boundingRect();
  std::uniform_real_distribution<qreal> x(box.left(), box.right());
  std::uniform_real_distribution<qreal> y(box.top(), box.bottom());
  std::uniform_real_distribution<qreal> radius(speckles.minRadius, speckles.maxRadius);
  painter.save();
  painter.setClipPath(area, Qt::IntersectClip);
  painter.setPen(Qt::NoPen);
  painter.setBrush(speckles.colour);
  for (int placed = 0, tries = 0; placed < speckles.count && tries < speckles.count * 20; ++tries) {
    const QPointF p(x(generator), y(generator));
    const qreal r = radius(generator);
    if (!area.contains(p)) continue;
    painter.drawEllipse(p, r, r);
    ++placed;
  }
  painter.restore();
}

void SurfaceTexture::pigmentCells(QPainter& painter, const QPainterPath& area,
                                  const Speckles& cells) {
  std::mt19937 generator(cells.seed);
  const QRectF box = area.boundingRect();
  std::uniform_real_distribution<qreal> x(box.left(), box.right());
  std::uniform_real_distribution<qreal> y(box.top(), box.bottom());
  std::uniform_real_distribution<qreal> radius(cells.minRadius, cells.maxRadius);
  std::uniform_real_distribution<qreal> turn(0, std::numbers::pi);
  painter.save();
  painter.setClipPath(area, Qt::IntersectClip);
  for (int placed = 0, tries = 0; placed < cells.count && tries < cells.count * 20; ++tries) {
    const QPointF p(x(generator), y(generator));
    const qreal r = radius(generator);
    const qreal start = turn(generator);
    if (!area.contains(p)) continue;
    painter.setPen(QPen(cells.colour, r * 0.35, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 5; ++ray) {
      const qreal angle = start + ray * 2 * std::numbers::pi / 5;
      painter.drawLine(p, p + QPointF(std::cos(angle), std::sin(angle)) * r * 2.4);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(cells.colour);
    painter.drawEllipse(p, r, r);
    ++placed;
  }
  painter.restore();
}

void SurfaceTexture::shine(QPainter& painter, QPointF centre, QPointF direction, qreal length,
                           qreal width, int alpha) {
  QRadialGradient glow(QPointF(0, 0), 1.0);
  glow.setColorAt(0.0, QColor(255, 255, 255, alpha));
  glow.setColorAt(0.5, QColor(255, 255, 255, alpha / 3));
  glow.setColorAt(1.0, QColor(255, 255, 255, 0));
  DrawingKit::fillEllipse(painter, centre, length / 2, width / 2,
                          std::atan2(direction.y(), direction.x()) * 180 / std::numbers::pi, glow);
}

}  // namespace sylvenor::draw::arthropods
