#include "PathKit.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>

namespace sylvenor::draw {

QPainterPath PathKit::circle(QPointF centre, qreal radius) {
  return ellipse(centre, radius, radius);
}

QPainterPath PathKit::ellipse(QPointF centre, qreal radiusX, qreal radiusY) {
  QPainterPath path;
  path.addEllipse(centre, radiusX, radiusY);
  return path;
}

QPainterPath PathKit::roundedRect(const QRectF& rect, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

QPainterPath PathKit::polygon(std::initializer_list<QPointF> points) {
  QPainterPath path = polyline(points);
  path.closeSubpath();
  return path;
}

QPainterPath PathKit::polyline(std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& point : points) {
    if (first) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
    first = false;
  }
  return path;
}

QPainterPath PathKit::leaf(QPointF base, QPointF tip, qreal widthRatio) {
  const QLineF axis(base, tip);
  const QPointF middle = axis.pointAt(0.5);
  const QLineF normal = axis.normalVector();
  const QPointF side(normal.dx() * widthRatio, normal.dy() * widthRatio);
  QPainterPath path(base);
  path.quadTo(middle + side, tip);
  path.quadTo(middle - side, base);
  return path;
}

QPainterPath PathKit::stroke(const QPainterPath& line, qreal width) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  return stroker.createStroke(line);
}

QPainterPath PathKit::rotated(const QPainterPath& path, QPointF centre, qreal degrees) {
  QTransform transform;
  transform.translate(centre.x(), centre.y());
  transform.rotate(degrees);
  transform.translate(-centre.x(), -centre.y());
  return transform.map(path);
}

QPainterPath PathKit::mirrored(const QPainterPath& path, qreal axisX) {
  QTransform transform;
  transform.translate(2 * axisX, 0);
  transform.scale(-1, 1);
  return transform.map(path);
}

QPainterPath PathKit::withMirror(const QPainterPath& path, qreal axisX) {
  return path.united(mirrored(path, axisX));
}

QPainterPath PathKit::unite(std::initializer_list<QPainterPath> parts) {
  QPainterPath result;
  for (const QPainterPath& part : parts) {
    result = result.united(part);
  }
  return result;
}

void PathKit::fillWithShadow(QPainter& painter, const QPainterPath& path, const QBrush& fill) {
  painter.fillPath(path.translated(1.2, 1.8), QColor(0, 0, 0, 45));
  painter.fillPath(path, fill);
}

void PathKit::fillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                           const QColor& outline, qreal outlineWidth) {
  fillWithShadow(painter, path, fill);
  painter.save();
  painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
  painter.restore();
}

}  // namespace sylvenor::draw
