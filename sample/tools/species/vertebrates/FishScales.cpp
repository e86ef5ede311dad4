#include "FishScales.h"

#include <QPainter>
#include <QRadialGradient>

#include "BodyShape.h"
#include "PaintLayer.h"
#include "SkinShading.h"

namespace sylvenor::draw {

namespace {

// Each scale is as large as the gap to its neighbours plus this overlap, so that the next scale
// towards the head covers all but the free edge.
constexpr qreal kOverlap = 1.45;

}  // namespace

void FishScales::paint(QPainter& painter, const BodyShape& body, const QPainterPath& clip,
                       const Layout& layout) {
  // The scales are painted on a layer of their own, tail first, each replacing what it covers:
  // only the free edges stay visible, whatever the colours below them.
  PaintLayer layer(painter);
  {
    QPainter& tiles = layer.painter();
    tiles.setClipPath(clip);
    tiles.setCompositionMode(QPainter::CompositionMode_Source);
    const qreal dt = (layout.tEnd - layout.tStart) / layout.columns;
    for (int c = layout.columns; c >= -1; --c) {
      for (int r = 0; r < layout.rows; ++r) {
        const qreal t = layout.tStart + (c + (r % 2) * 0.5) * dt;
        const qreal v = -1.0 + (r + 0.5) * 2.0 / layout.rows;
        const qreal across = 2.0 * body.halfWidth(t, v) / layout.rows;
        const qreal f = (v + 1.0) / 2.0;
        paintScale(tiles, body, t, v, dt * body.length(), across,
                   SkinShading::blend(layout.rimBack, layout.rimBelly, f), layout.shine);
      }
    }
  }
  layer.compositeOnto(painter);
}

void FishScales::paintScale(QPainter& painter, const BodyShape& body, qreal t, qreal v, qreal along,
                            qreal across, const QColor& rim, const QColor& shine) {
  if (across <= 0.2) return;
  // The centre sits a little towards the head, so that the free edge is a broad crescent.
  QRadialGradient gradient(QPointF(-0.35, 0), 1.0);
  gradient.setColorAt(0.0, Qt::transparent);
  gradient.setColorAt(0.62, Qt::transparent);
  gradient.setColorAt(0.8, shine);
  gradient.setColorAt(0.9, SkinShading::withAlpha(shine, shine.alpha() / 3));
  gradient.setColorAt(0.95, rim);
  gradient.setColorAt(1.0, SkinShading::withAlpha(rim, rim.alpha() / 2));
  SkinShading::fillEllipse(painter, body.at(t, v), along * kOverlap * 0.5, across * kOverlap * 0.5,
                           body.spine().angleAt(t), gradient);
}

void FishScales::paintLateralLine(QPainter& painter, const BodyShape& body, const Profile& lineV,
                                  const Layout& layout, const QColor& colour) {
  const qreal dt = (layout.tEnd - layout.tStart) / layout.columns;
  QPainterPath line;
  for (int i = 0; i <= 200; ++i) {
    const qreal t = layout.tStart + (layout.tEnd - layout.tStart) * i / 200.0;
    const QPointF point = body.at(t, lineV(t));
    if (i == 0) {
      line.moveTo(point);
    } else {
      line.lineTo(point);
    }
  }
  SkinShading::outline(painter, line, SkinShading::withAlpha(colour, colour.alpha() / 3),
                       dt * body.length() * 0.22);
  painter.save();
  painter.setPen(QPen(colour, dt * body.length() * 0.16, Qt::SolidLine, Qt::RoundCap));
  for (int c = 0; c < layout.columns; ++c) {
    const qreal t = layout.tStart + (c + 0.5) * dt;
    const QPointF centre = body.at(t, lineV(t));
    const QPointF tangent = body.spine().tangentAt(t) * (dt * body.length() * 0.18);
    painter.drawLine(centre - tangent, centre + tangent);
  }
  painter.restore();
}

}  // namespace sylvenor::draw
