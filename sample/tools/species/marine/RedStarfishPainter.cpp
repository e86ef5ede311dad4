#include "RedStarfishPainter.h"

#include <QPainter>
#include <QtMath>

#include "MarineKit.h"
#include "SeaStarBody.h"

namespace sylvenor::draw {

namespace {

const QColor kBase(214, 42, 26);
const QColor kRidge(255, 122, 84);
const QColor kRim(112, 8, 6);
const QColor kOutline(100, 10, 6);

// Slender arms of almost even width, rounded like fingers to the blunt tips.
SeaStarBody body() {
  return SeaStarBody({500, 400}, 328, 64, [](qreal t) { return 41 - 15 * t; }, {-4, 3, 5, -3, 2});
}

// The skin between the tiny skeletal bumps is pierced by fine pores, which gives its velvet.
void paintSkin(QPainter& painter, const SeaStarBody& star, bool enlarged) {
  const int scale = enlarged ? 2 : 1;
  MarineKit::speckle(painter, star.outline(), 2600 * scale, enlarged ? 1.1 : 1.5,
                     QColor(110, 6, 6, 150), 21);
  std::mt19937 random(23);
  painter.save();
  painter.setClipPath(star.outline(), Qt::IntersectClip);
  painter.setPen(Qt::NoPen);
  for (int arm = 0; arm < SeaStarBody::kArms; ++arm) {
    const int bumps = 150 * scale;
    for (int i = 0; i < bumps; ++i) {
      const qreal along = std::sqrt(MarineKit::uniform(random, 0.02, 1));
      const qreal across = MarineKit::uniform(random, -0.92, 0.92);
      const QPointF at = star.onArm(arm, along, across);
      const qreal radius = (enlarged ? 2.2 : 2.8) * (1 - 0.3 * along);
      painter.setBrush(QColor(120, 10, 6, 110));
      painter.drawEllipse(at + QPointF(0.8, 1.1), radius, radius);
      painter.setBrush(QColor(255, 140, 110, 200));
      painter.drawEllipse(at, radius, radius);
    }
  }
  painter.restore();
}

}  // namespace

void RedStarfishPainter::paint(QPainter& painter) {
  const bool enlarged = MarineKit::isEnlarged(painter);
  const SeaStarBody star = body();
  star.paintShadow(painter, QColor(60, 40, 30, 22));
  star.paintVolume(painter, kRidge, kBase, kRim);
  paintSkin(painter, star, enlarged);
  star.paintOutline(painter, kOutline);
}

}  // namespace sylvenor::draw
