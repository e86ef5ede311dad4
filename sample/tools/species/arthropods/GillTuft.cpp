#include "GillTuft.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "PathKit.h"

namespace sylvenor::draw::arthropods {

namespace {

const QColor kBlood(206, 36, 40);
constexpr int kBranchings = 4;

}  // namespace

GillTuft::GillTuft(QPointF base, QPointF direction, qreal length, unsigned seed)
    : generator_(seed) {
  shape_.setFillRule(Qt::WindingFill);
  grow(base, std::atan2(direction.y(), direction.x()), length * 0.34, length * 0.2, kBranchings);
}

void GillTuft::grow(QPointF from, qreal angle, qreal length, qreal width, int depth) {
  const QPointF to = from + QPointF(std::cos(angle), std::sin(angle)) * length;
  QPainterPath twig(from);
  twig.lineTo(to);
  shape_.addPath(PathKit::stroke(twig, width));
  if (depth == 0) {
    shape_.addPath(PathKit::circle(to, width * 0.8));
    return;
  }
  std::uniform_real_distribution<qreal> jitter(-0.12, 0.12);
  for (const qreal spread : {-0.34, 0.34}) {
    grow(to, angle + spread + jitter(generator_), length * 0.74, width * 0.74, depth - 1);
  }
}

void GillTuft::paint(QPainter& painter) const {
  const QRectF box = shape_.boundingRect();
  QRadialGradient shade(box.center() - QPointF(box.width(), box.height()) * 0.2,
                        std::max(box.width(), box.height()) * 0.7);
  shade.setColorAt(0.0, kBlood.lighter(135));
  shade.setColorAt(1.0, kBlood.darker(140));
  const QPainterPath outline = shape_.simplified();
  painter.fillPath(outline, shade);
  painter.strokePath(outline,
                     QPen(kBlood.darker(230), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

}  // namespace sylvenor::draw::arthropods
