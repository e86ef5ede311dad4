#include "SkinShading.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

#include "BodyShape.h"

namespace sylvenor::draw {

namespace {

constexpr int kAcrossSteps = 72;
constexpr int kShadeSteps = 14;

}  // namespace

void SkinShading::fillAcross(QPainter& painter, const BodyShape& body, const ColourAcross& colour) {
  // Nested bands, each reaching the far edge, so that no seam shows between two colours.
  for (int k = 0; k < kAcrossSteps; ++k) {
    const qreal v = -1.0 + 2.0 * k / kAcrossSteps;
    painter.fillPath(body.band(k == 0 ? -1.0 : v, 1.0), colour(v + 1.0 / kAcrossSteps));
  }
}

void SkinShading::shadeEdges(QPainter& painter, const BodyShape& body, const QColor& dark,
                             qreal start, qreal vFrom, qreal vTo) {
  const QColor step = withAlpha(dark, std::max(1, dark.alpha() / kShadeSteps));
  for (int k = 0; k < kShadeSteps; ++k) {
    const qreal s = start + (1.0 - start) * k / kShadeSteps;
    if (vTo > s) painter.fillPath(body.band(s, vTo), step);
    if (vFrom < -s) painter.fillPath(body.band(vFrom, -s), step);
  }
}

void SkinShading::sheen(QPainter& painter, const BodyShape& body, qreal centre, qreal halfWidth,
                        const QColor& light, qreal t0, qreal t1) {
  const QColor step = withAlpha(light, std::max(1, light.alpha() / kShadeSteps));
  for (int k = 0; k < kShadeSteps; ++k) {
    const qreal w = halfWidth * (1.0 - qreal(k) / kShadeSteps);
    painter.fillPath(body.band(centre - w, centre + w, t0, t1), step);
  }
}

void SkinShading::softShadow(QPainter& painter, const QPainterPath& shape, QPointF offset,
                             qreal spread, int strength) {
  constexpr int kLayers = 10;
  const QPainterPath moved = shape.translated(offset);
  painter.save();
  painter.setBrush(Qt::NoBrush);
  for (int i = 0; i < kLayers; ++i) {
    const QColor colour(40, 35, 25, strength / kLayers);
    painter.setPen(QPen(colour, spread * 2.0 * (kLayers - i) / kLayers, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPath(moved);
    painter.fillPath(moved, colour);
  }
  painter.restore();
}

void SkinShading::glint(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY,
                        qreal angle, int alpha) {
  QRadialGradient gradient(QPointF(0, 0), 1.0);
  gradient.setColorAt(0.0, QColor(255, 255, 255, alpha));
  gradient.setColorAt(0.55, QColor(255, 255, 255, alpha * 3 / 4));
  gradient.setColorAt(1.0, QColor(255, 255, 255, 0));
  fillEllipse(painter, centre, radiusX, radiusY, angle, gradient);
}

}  // namespace sylvenor::draw
