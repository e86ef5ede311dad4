#include "SpiderAbdomen.h"

#include <QPainter>
#include <QTransform>

#include "SurfaceTexture.h"
#include "SymmetricOutline.h"

namespace sylvenor::draw::arthropods {

namespace {

const QColor kSkin(204, 132, 64);
const QColor kFlank(128, 72, 34);
const QColor kFolium(120, 66, 30, 200);
const QColor kFoliumInside(176, 108, 52, 190);
const QColor kWhite(250, 246, 232);

constexpr qreal kMiddle = 500;

}  // namespace

QPainterPath SpiderAbdomen::outline() {
  QPainterPath right(QPointF(kMiddle, 322));
  right.cubicTo(QPointF(kMiddle + 42, 316), QPointF(kMiddle + 86, 336), QPointF(kMiddle + 98, 372));
  right.cubicTo(QPointF(kMiddle + 114, 420), QPointF(kMiddle + 102, 500),
                QPointF(kMiddle + 62, 546));
  right.cubicTo(QPointF(kMiddle + 36, 575), QPointF(kMiddle + 16, 590), QPointF(kMiddle, 592));
  return SymmetricOutline::fromRightHalf(right, kMiddle);
}

QPainterPath SpiderAbdomen::folium() {
  // Scalloped edges: the leaf narrows in steps towards the spinnerets.
  QPainterPath right(QPointF(kMiddle, 332));
  right.cubicTo(QPointF(kMiddle + 20, 334), QPointF(kMiddle + 34, 350), QPointF(kMiddle + 46, 372));
  const qreal steps[][2] = {{58, 418}, {56, 462}, {44, 502}, {30, 536}, {14, 566}};
  qreal y = 372;
  for (const auto& step : steps) {
    right.cubicTo(QPointF(kMiddle + step[0] + 6, y + 14),
                  QPointF(kMiddle + step[0] + 4, step[1] - 8),
                  QPointF(kMiddle + step[0] - 14, step[1]));
    y = step[1];
  }
  right.cubicTo(QPointF(kMiddle + 8, 574), QPointF(kMiddle + 4, 580), QPointF(kMiddle, 584));
  return SymmetricOutline::fromRightHalf(right, kMiddle);
}

void SpiderAbdomen::paint(QPainter& painter) {
  const QPainterPath shape = outline();
  SurfaceTexture::fillDome(
      painter, shape, {QPointF(kMiddle - 30, 410), 170, kSkin.lighter(118), kSkin, 0.55, kFlank});
  SurfaceTexture::speckle(painter, shape, {260, 1.0, 2.6, QColor(110, 60, 25, 110), 7});
  const QPainterPath leaf = folium();
  painter.fillPath(leaf, kFolium);
  const QPainterPath inside =
      QTransform().translate(kMiddle, 440).scale(0.62, 0.8).translate(-kMiddle, -440).map(leaf);
  painter.fillPath(inside, kFoliumInside);
  painter.strokePath(leaf, QPen(QColor(80, 44, 20), 1.6));
  SurfaceTexture::speckle(painter, leaf, {120, 0.8, 2.0, QColor(70, 35, 12, 140), 11});
  paintCross(painter);
  SurfaceTexture::shine(painter, QPointF(kMiddle - 48, 392), QPointF(1, 1.6), 120, 60, 70);
  painter.strokePath(shape, QPen(kFlank.darker(170), 1.8));
}

void SpiderAbdomen::paintCross(QPainter& painter) {
  // The upright of the cross runs down the front half, the bar crosses it near the shoulders.
  for (int i = 0; i < 6; ++i) paintSpot(painter, QPointF(kMiddle, 344 + i * 19), 6.5, 7.5);
  for (const qreal side : {-1.0, 1.0}) {
    for (int i = 1; i <= 3; ++i) {
      paintSpot(painter, QPointF(kMiddle + side * i * 19, 396 - i * 3), 7.5 - i, 6);
    }
    // Smaller white dots mark each step of the leaf's edge.
    const QPointF edge[] = {{52, 430}, {50, 472}, {38, 510}, {24, 545}};
    for (const QPointF& dot : edge) {
      paintSpot(painter, QPointF(kMiddle + side * dot.x(), dot.y()), 4.5, 3.8);
    }
  }
}

void SpiderAbdomen::paintSpot(QPainter& painter, QPointF centre, qreal rx, qreal ry) {
  painter.setPen(QPen(QColor(70, 38, 16, 200), 1.3));
  painter.setBrush(kWhite);
  painter.drawEllipse(centre, rx, ry);
}

}  // namespace sylvenor::draw::arthropods
