#pragma once

#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <initializer_list>

class QPainter;

namespace sylvenor::draw {

// Building blocks for silhouettes: every picture is assembled from a few simple shapes that are
// merged, so that a single shadow and a single fill give a clean outline.
class PathKit {
 public:
  static QPainterPath circle(QPointF centre, qreal radius);
  static QPainterPath ellipse(QPointF centre, qreal radiusX, qreal radiusY);
  static QPainterPath roundedRect(const QRectF& rect, qreal radius);
  static QPainterPath polygon(std::initializer_list<QPointF> points);
  static QPainterPath polyline(std::initializer_list<QPointF> points);
  static QPainterPath leaf(QPointF base, QPointF tip, qreal widthRatio);
  static QPainterPath stroke(const QPainterPath& line, qreal width);
  static QPainterPath rotated(const QPainterPath& path, QPointF centre, qreal degrees);
  static QPainterPath mirrored(const QPainterPath& path, qreal axisX);
  static QPainterPath withMirror(const QPainterPath& path, qreal axisX);
  static QPainterPath unite(std::initializer_list<QPainterPath> parts);
  static void fillWithShadow(QPainter& painter, const QPainterPath& path, const QBrush& fill);
  static void fillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                           const QColor& outline, qreal outlineWidth);
};

}  // namespace sylvenor::draw
