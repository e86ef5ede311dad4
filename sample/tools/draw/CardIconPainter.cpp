#include "CardIconPainter.h"

#include <QPainter>

#include "PathKit.h"

namespace sylvenor::draw {

namespace {

const QColor kPaper("#fbfbf7");
const QColor kLines("#a8b2bc");
const QColor kGreen("#2e9e4f");
const QColor kRed("#d0342c");
const QColor kBlue("#2f6fb5");

void paintOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill) {
  PathKit::fillOutlined(painter, path, fill, fill.darker(150), 2.5);
}

void paintCard(QPainter& painter) {
  paintOutlined(painter, PathKit::roundedRect(QRectF(8, 8, 62, 80), 6), kPaper);
  for (const qreal y : {26.0, 40.0, 54.0}) {
    painter.fillPath(PathKit::stroke(PathKit::polyline({{18, y}, {60, y}}), 4), kLines);
  }
}

QPainterPath cross(QPointF centre, qreal arm, qreal width) {
  return PathKit::unite(
      {PathKit::stroke(
           PathKit::polyline({centre + QPointF(-arm, -arm), centre + QPointF(arm, arm)}), width),
       PathKit::stroke(
           PathKit::polyline({centre + QPointF(-arm, arm), centre + QPointF(arm, -arm)}), width)});
}

}  // namespace

void CardIconPainter::paintNewCard(QPainter& painter) {
  paintCard(painter);
  paintOutlined(painter, PathKit::circle({70, 70}, 24), kGreen);
  painter.fillPath(PathKit::unite({PathKit::roundedRect(QRectF(66, 56, 8, 28), 2),
                                   PathKit::roundedRect(QRectF(56, 66, 28, 8), 2)}),
                   Qt::white);
}

void CardIconPainter::paintSave(QPainter& painter) {
  paintOutlined(painter, PathKit::roundedRect(QRectF(10, 10, 80, 80), 8), kBlue);
  paintOutlined(painter, PathKit::roundedRect(QRectF(26, 10, 48, 28), 3), kPaper);
  painter.fillRect(QRectF(58, 15, 9, 18), kBlue.darker(130));
  paintOutlined(painter, PathKit::roundedRect(QRectF(22, 50, 56, 40), 4), kPaper);
  for (const qreal y : {62.0, 74.0}) {
    painter.fillPath(PathKit::stroke(PathKit::polyline({{30, y}, {70, y}}), 3.5), kLines);
  }
}

void CardIconPainter::paintDiscardCard(QPainter& painter) {
  paintCard(painter);
  paintOutlined(painter, PathKit::circle({70, 70}, 24), kRed);
  painter.fillPath(cross({70, 70}, 10, 7), Qt::white);
}

void CardIconPainter::paintClose(QPainter& painter) {
  paintOutlined(painter, PathKit::roundedRect(QRectF(8, 8, 84, 84), 14), QColor("#8d97a3"));
  paintOutlined(painter, cross({50, 50}, 22, 16), kRed);
}

}  // namespace sylvenor::draw
