#include "HabitatPainter.h"

#include <QPainter>
#include <cmath>

#include "PathKit.h"

namespace sylvenor::draw {

namespace {

enum Repartition : std::int16_t { kWidespread = 0, kMountain = 1, kSea = 2, kMediterranean = 3 };

constexpr qreal kGrid = 100.0;

}  // namespace

QString HabitatPainter::sentence(std::int16_t repartition) {
  switch (repartition) {
    case kMountain:
      return QStringLiteral("Vit en montagne");
    case kSea:
      return QStringLiteral("Vit dans la mer ou sur la côte");
    case kMediterranean:
      return QStringLiteral("Vit près de la Méditerranée");
    default:
      return QStringLiteral("Vit dans beaucoup de régions");
  }
}

void HabitatPainter::paintIcon(QPainter& painter, std::int16_t repartition, const QRectF& square) {
  painter.save();
  painter.translate(square.topLeft());
  painter.scale(square.width() / kGrid, square.height() / kGrid);
  painter.setPen(Qt::NoPen);
  switch (repartition) {
    case kMountain:
      paintMountain(painter);
      break;
    case kSea:
      paintWaves(painter);
      break;
    case kMediterranean:
      paintSun(painter);
      break;
    default:
      paintHills(painter);
  }
  painter.restore();
}

void HabitatPainter::paintHills(QPainter& painter) {
  painter.fillPath(PathKit::circle({70, 26}, 16), QColor("#f2c230"));
  QPainterPath far({2, 92});
  far.quadTo(30, 30, 62, 92);
  painter.fillPath(far, QColor("#8cc46a"));
  QPainterPath near({30, 94});
  near.quadTo(66, 40, 98, 94);
  painter.fillPath(near, QColor("#4f9a3a"));
}

void HabitatPainter::paintMountain(QPainter& painter) {
  painter.fillPath(PathKit::polygon({{4, 92}, {40, 14}, {76, 92}}), QColor("#7f8c9a"));
  painter.fillPath(PathKit::polygon({{40, 92}, {68, 38}, {96, 92}}), QColor("#5f6b78"));
  painter.fillPath(PathKit::polygon({{40, 14}, {52, 40}, {44, 36}, {38, 42}, {30, 36}}), Qt::white);
}

void HabitatPainter::paintWaves(QPainter& painter) {
  for (const qreal y : {36.0, 62.0, 88.0}) {
    QPainterPath wave({6, y});
    for (int i = 0; i < 3; ++i) {
      const qreal x = 6 + i * 30;
      wave.cubicTo(x + 8, y - 14, x + 22, y + 14, x + 30, y);
    }
    painter.fillPath(PathKit::stroke(wave, 9), QColor("#2f7fc1"));
  }
}

void HabitatPainter::paintSun(QPainter& painter) {
  const QPointF centre(50, 50);
  const QColor yellow("#f0a818");
  for (int i = 0; i < 8; ++i) {
    const qreal angle = i * M_PI / 4;
    const QPointF direction(std::cos(angle), std::sin(angle));
    painter.fillPath(
        PathKit::stroke(PathKit::polyline({centre + direction * 32, centre + direction * 46}), 8),
        yellow);
  }
  painter.fillPath(PathKit::circle(centre, 24), yellow);
}

}  // namespace sylvenor::draw
