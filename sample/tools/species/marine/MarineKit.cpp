#include "MarineKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>
#include <algorithm>

namespace sylvenor::draw {

namespace {

// Half a circle of points around an end of a limb, from one side to the other.
void addCap(std::vector<QPointF>& points, QPointF centre, QPointF forward, qreal radius) {
  const QPointF normal(-forward.y(), forward.x());
  constexpr int kSteps = 12;
  for (int step = 1; step < kSteps; ++step) {
    const qreal angle = M_PI * step / kSteps;
    points.push_back(centre + (normal * std::cos(angle) + forward * std::sin(angle)) * radius);
  }
}

}  // namespace

QPainterPath MarineKit::taper(const QPainterPath& centreLine, qreal startWidth, qreal endWidth) {
  return taper(centreLine, [=](qreal t) { return startWidth + (endWidth - startWidth) * t; });
}

QPainterPath MarineKit::taper(const QPainterPath& centreLine, const WidthProfile& widthAt) {
  const int samples = std::clamp(int(centreLine.length() / 5), 6, 160);
  std::vector<QPointF> left;
  std::vector<QPointF> right;
  std::vector<QPointF> directions;
  for (int i = 0; i <= samples; ++i) {
    const qreal t = qreal(i) / samples;
    const QPointF point = centreLine.pointAtPercent(t);
    const QPointF ahead = centreLine.pointAtPercent(std::min(t + 0.01, 1.0));
    const QPointF behind = centreLine.pointAtPercent(std::max(t - 0.01, 0.0));
    const QPointF forward = unit(ahead - behind);
    const QPointF normal(-forward.y(), forward.x());
    const qreal half = widthAt(t) / 2;
    left.push_back(point + normal * half);
    right.push_back(point - normal * half);
    directions.push_back(forward);
  }
  std::vector<QPointF> outline(left.begin(), left.end());
  addCap(outline, centreLine.pointAtPercent(1), directions.back(), widthAt(1) / 2);
  outline.insert(outline.end(), right.rbegin(), right.rend());
  addCap(outline, centreLine.pointAtPercent(0), -directions.front(), widthAt(0) / 2);
  return polygon(outline);
}

QPainterPath MarineKit::spindle(QPointF base, QPointF tip, qreal baseWidth, qreal tipWidth) {
  const QPointF forward = unit(tip - base);
  const QPointF normal(-forward.y(), forward.x());
  std::vector<QPointF> outline{base + normal * baseWidth / 2, tip + normal * tipWidth / 2};
  addCap(outline, tip, forward, tipWidth / 2);
  outline.push_back(tip - normal * tipWidth / 2);
  outline.push_back(base - normal * baseWidth / 2);
  return polygon(outline);
}

QPainterPath MarineKit::polygon(const std::vector<QPointF>& points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points.begin(), points.end())));
  path.closeSubpath();
  return path;
}

QPainterPath MarineKit::between(const std::vector<QPointF>& upper,
                                const std::vector<QPointF>& lower) {
  std::vector<QPointF> outline(upper.begin(), upper.end());
  outline.insert(outline.end(), lower.rbegin(), lower.rend());
  return polygon(outline);
}

void MarineKit::softShadow(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY,
                           int alpha) {
  fillOval(painter, centre, radiusX, radiusY,
           {{0, QColor(60, 55, 50, alpha)},
            {0.6, QColor(60, 55, 50, alpha / 2)},
            {1, QColor(60, 55, 50, 0)}});
}

void MarineKit::speckle(QPainter& painter, const QPainterPath& area, int count, qreal radius,
                        const QColor& colour, unsigned seed) {
  std::mt19937 random(seed);
  const QRectF box = area.boundingRect();
  painter.save();
  painter.setClipPath(area, Qt::IntersectClip);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  for (int i = 0; i < count; ++i) {
    const QPointF at = pointIn(random, box);
    const qreal size = radius * uniform(random, 0.5, 1.3);
    painter.drawEllipse(at, size, size);
  }
  painter.restore();
}

QPainterPath MarineKit::rock(QPointF centre, qreal radiusX, qreal radiusY, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<QPointF> points;
  constexpr int kCorners = 11;
  for (int i = 0; i < kCorners; ++i) {
    const qreal angle = 2 * M_PI * i / kCorners;
    const qreal wobble = uniform(random, 0.82, 1.08);
    points.push_back(
        centre + QPointF(std::cos(angle) * radiusX * wobble, std::sin(angle) * radiusY * wobble));
  }
  return smoothClosed(points);
}

void MarineKit::paintRock(QPainter& painter, const QPainterPath& rock, unsigned seed) {
  const QRectF box = rock.boundingRect();
  softShadow(painter, QPointF(box.center().x(), box.bottom() - box.height() * 0.12),
             box.width() * 0.58, box.height() * 0.3, 70);
  QLinearGradient stone(box.topLeft(), box.bottomRight());
  stone.setColorAt(0, QColor(178, 172, 160));
  stone.setColorAt(0.55, QColor(140, 134, 124));
  stone.setColorAt(1, QColor(96, 91, 84));
  painter.fillPath(rock, stone);
  const qreal grain = box.width() / 260;
  speckle(painter, rock, 420, grain, QColor(80, 76, 70, 90), seed);
  speckle(painter, rock, 260, grain, QColor(225, 220, 208, 110), seed + 1);
  outline(painter, rock, QColor(88, 83, 76), 2);
}

}  // namespace sylvenor::draw
