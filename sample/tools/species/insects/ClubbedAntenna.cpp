#include "ClubbedAntenna.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>

#include "DrawingKit.h"
#include "Lustre.h"

namespace sylvenor::draw {

namespace {

// Share of the whole length taken by each article, and its half-width at its far end.
constexpr std::array<qreal, 11> kShares{0.15, 0.09, 0.065, 0.06, 0.06, 0.06,
                                        0.06, 0.06, 0.11,  0.12, 0.155};
constexpr std::array<qreal, 11> kRadii{5.5, 4.2, 3.0, 3.0, 3.1, 3.2, 3.3, 3.6, 6.4, 7.6, 6.8};
constexpr qreal kBaseRadius = 5.0;

const QColor kLit(118, 96, 84);
const QColor kBody(44, 32, 28);
const QColor kDark(10, 8, 8);

}  // namespace

ClubbedAntenna::ClubbedAntenna(QPointF base, QPointF tip, qreal bend) {
  const QPointF d = DrawingKit::unit(tip - base);
  const QPointF control = (base + tip) / 2 + QPointF(d.y(), -d.x()) * bend;
  QPainterPath curve(base);
  curve.quadTo(control, tip);
  qreal reached = 0;
  joints_.push_back(base);
  radii_.push_back(kBaseRadius);
  for (std::size_t i = 0; i < kShares.size(); ++i) {
    reached += kShares[i];
    joints_.push_back(curve.pointAtPercent(std::min(reached, 1.0)));
    radii_.push_back(kRadii[i]);
  }
}

QPainterPath ClubbedAntenna::article(std::size_t index) const {
  // Each article is an egg narrow at its base: the club articles are cups that widen forwards.
  const QPointF a = joints_[index];
  const QPointF b = joints_[index + 1];
  const QPointF d = DrawingKit::unit(b - a);
  const QPointF n(-d.y(), d.x());
  const qreal near = std::min(radii_[index], radii_[index + 1]) * 0.7;
  const qreal far = radii_[index + 1];
  QPainterPath path(a + n * near);
  path.cubicTo(a + (b - a) * 0.5 + n * far * 1.05, b + n * far, b + n * far * 0.2 + d * far * 0.6);
  path.quadTo(b + d * far * 0.75, b - n * far * 0.2 + d * far * 0.6);
  path.cubicTo(b - n * far, a + (b - a) * 0.5 - n * far * 1.05, a - n * near);
  path.closeSubpath();
  return path;
}

QPainterPath ClubbedAntenna::silhouette() const {
  QPainterPath shape;
  shape.setFillRule(Qt::WindingFill);
  for (std::size_t i = 0; i + 1 < joints_.size(); ++i) shape.addPath(article(i));
  return shape;
}

void ClubbedAntenna::paint(QPainter& painter) const {
  painter.save();
  for (std::size_t i = joints_.size() - 1; i-- > 0;) paintArticle(painter, i);
  painter.restore();
}

void ClubbedAntenna::paintArticle(QPainter& painter, std::size_t index) const {
  const QPointF a = joints_[index];
  const QPointF b = joints_[index + 1];
  const qreal r = radii_[index + 1];
  const QPointF middle = (a + b) / 2 + Lustre::towardsLight() * r * 0.45;
  QRadialGradient shade(middle, std::hypot(b.x() - a.x(), b.y() - a.y()) * 0.6 + r);
  shade.setColorAt(0.0, kLit);
  shade.setColorAt(0.45, kBody);
  shade.setColorAt(1.0, kDark);
  const QPainterPath shape = article(index);
  painter.fillPath(shape, shade);
  painter.strokePath(shape, QPen(kDark, 0.9));
}

}  // namespace sylvenor::draw
