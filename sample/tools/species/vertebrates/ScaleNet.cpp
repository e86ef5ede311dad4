#include "ScaleNet.h"

#include <QPainter>
#include <QTransform>
#include <cmath>

#include "BodyShape.h"
#include "SkinShading.h"

namespace sylvenor::draw {

namespace {

// Rows of granules are packed like the cells of a honeycomb.
const qreal kRowSpacing = std::sqrt(3.0) / 2.0;

QPainterPath granule(QPointF centre, qreal angle, qreal radius) {
  QTransform transform;
  transform.translate(centre.x(), centre.y());
  transform.rotate(angle);
  QPainterPath path;
  path.addEllipse(QPointF(0, 0), radius * 1.05, radius * 0.95);
  return transform.map(path);
}

QPainterPath highlight(QPointF centre, qreal radius) {
  QPainterPath path;
  path.addEllipse(centre + QPointF(-radius * 0.25, -radius * 0.3), radius * 0.45, radius * 0.3);
  return path;
}

}  // namespace

void ScaleNet::granules(QPainter& painter, const BodyShape& body, qreal t0, qreal t1, qreal size,
                        const Style& style) {
  QPainterPath cells;
  QPainterPath lights;
  const qreal length = body.length();
  int row = 0;
  for (qreal s = t0 * length; s <= t1 * length; s += size * kRowSpacing, ++row) {
    const qreal t = s / length;
    const qreal angle = body.spine().angleAt(t);
    const qreal reach = std::max(body.halfWidth(t, -1), body.halfWidth(t, 1)) + size;
    for (qreal u = -reach + (row % 2) * size / 2; u <= reach; u += size) {
      const QPointF centre = body.atOffset(t, u);
      cells.addPath(granule(centre, angle, size * 0.44));
      lights.addPath(highlight(centre, size * 0.44));
    }
  }
  painter.save();
  painter.setClipPath(body.band(-1, 1, t0, t1), Qt::IntersectClip);
  paintCells(painter, cells, lights, QPainterPath(), style);
  painter.restore();
}

void ScaleNet::granulesIn(QPainter& painter, const QPainterPath& shape, qreal size,
                          const Style& style) {
  QPainterPath cells;
  QPainterPath lights;
  const QRectF box = shape.boundingRect().adjusted(-size, -size, size, size);
  int row = 0;
  for (qreal y = box.top(); y <= box.bottom(); y += size * kRowSpacing, ++row) {
    for (qreal x = box.left() + (row % 2) * size / 2; x <= box.right(); x += size) {
      const QPointF centre(x, y);
      if (!shape.contains(centre) &&
          !shape.intersects(QRectF(x - size, y - size, 2 * size, 2 * size))) {
        continue;
      }
      cells.addPath(granule(centre, 0, size * 0.44));
      lights.addPath(highlight(centre, size * 0.44));
    }
  }
  painter.save();
  painter.setClipPath(shape, Qt::IntersectClip);
  paintCells(painter, cells, lights, QPainterPath(), style);
  painter.restore();
}

void ScaleNet::rows(QPainter& painter, const BodyShape& body, qreal t0, qreal t1, int rowCount,
                    qreal scaleLength, const Style& style) {
  QPainterPath cells;
  QPainterPath lights;
  QPainterPath keels;
  const qreal dt = scaleLength / body.length();
  const qreal dv = 2.0 / rowCount;
  for (int r = 0; r <= rowCount; ++r) {
    const qreal v = -1.0 + r * dv;
    for (qreal t = t0 + (r % 2) * dt / 2; t <= t1; t += dt) {
      // A six-sided scale pointed towards the tail, its corners shared with its neighbours.
      cells.addPath(body.polygon({{t - dt * 0.5, v},
                                  {t - dt * 0.25, v - dv * 0.5},
                                  {t + dt * 0.25, v - dv * 0.5},
                                  {t + dt * 0.5, v},
                                  {t + dt * 0.25, v + dv * 0.5},
                                  {t - dt * 0.25, v + dv * 0.5}}));
      lights.addPath(body.polygon({{t - dt * 0.3, v - dv * 0.15},
                                   {t, v - dv * 0.3},
                                   {t + dt * 0.15, v - dv * 0.15},
                                   {t, v}}));
      if (style.keeled) {
        QPainterPath keel(body.at(t - dt * 0.3, v));
        keel.lineTo(body.at(t + dt * 0.35, v));
        keels.addPath(keel);
      }
    }
  }
  painter.save();
  painter.setClipPath(body.band(-1, 1, t0, t1), Qt::IntersectClip);
  paintCells(painter, cells, lights, keels, style);
  painter.restore();
}

void ScaleNet::whorls(QPainter& painter, const BodyShape& body, qreal t0, qreal t1,
                      qreal ringSpacing, int scalesAcross, const Style& style) {
  QPainterPath cells;
  QPainterPath lights;
  QPainterPath keels;
  const qreal dt = ringSpacing / body.length();
  const qreal dv = 2.0 / scalesAcross;
  int ring = 0;
  for (qreal t = t0; t + dt <= t1 + dt * 0.5; t += dt, ++ring) {
    for (int k = 0; k <= scalesAcross; ++k) {
      const qreal v = -1.0 + (k + (ring % 2) * 0.5 - 0.5) * dv;
      cells.addPath(body.polygon({{t, v}, {t + dt, v}, {t + dt, v + dv}, {t, v + dv}}));
      lights.addPath(body.polygon({{t + dt * 0.15, v + dv * 0.2},
                                   {t + dt * 0.6, v + dv * 0.2},
                                   {t + dt * 0.6, v + dv * 0.45},
                                   {t + dt * 0.15, v + dv * 0.45}}));
      if (style.keeled) {
        QPainterPath keel(body.at(t + dt * 0.2, v + dv * 0.5));
        keel.lineTo(body.at(t + dt * 0.85, v + dv * 0.5));
        keels.addPath(keel);
      }
    }
  }
  painter.save();
  painter.setClipPath(body.band(-1, 1, t0, t1), Qt::IntersectClip);
  paintCells(painter, cells, lights, keels, style);
  painter.restore();
}

void ScaleNet::paintCells(QPainter& painter, const QPainterPath& cells,
                          const QPainterPath& highlights, const QPainterPath& keels,
                          const Style& style) {
  const bool enlarged = SkinShading::isEnlarged(painter);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(style.line, style.lineWidth * (enlarged ? 0.8 : 1.0), Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(cells);
  painter.fillPath(highlights, style.shine);
  if (!keels.isEmpty()) {
    painter.setPen(QPen(SkinShading::withAlpha(style.line, style.line.alpha() * 2 / 3),
                        style.lineWidth * 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(keels);
  }
}

}  // namespace sylvenor::draw
