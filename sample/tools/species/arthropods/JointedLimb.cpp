#include "JointedLimb.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>
#include <numbers>
#include <random>
#include <utility>

#include "DrawingKit.h"

namespace sylvenor::draw::arthropods {

namespace {

// Light comes from the upper left in every picture.
const QPointF kLight(-0.6, -0.8);

// A tube from a to b with round ends, slightly swollen in the middle like a leg segment.
QPainterPath capsule(QPointF a, qreal ra, QPointF b, qreal rb) {
  const QPointF d = DrawingKit::unit(b - a);
  const QPointF n(-d.y(), d.x());
  const QPointF middle = (a + b) / 2;
  const qreal swell = (ra + rb) / 2 * 1.12;
  QPainterPath path(a + n * ra);
  path.quadTo(middle + n * swell, b + n * rb);
  DrawingKit::appendRoundEnd(path, b, d, rb);
  path.quadTo(middle - n * swell, a - n * ra);
  DrawingKit::appendRoundEnd(path, a, -d, ra);
  path.closeSubpath();
  return path;
}

}  // namespace

JointedLimb::JointedLimb(std::vector<QPointF> joints, std::vector<qreal> widths)
    : joints_(std::move(joints)), widths_(std::move(widths)) {
  widths_.resize(joints_.size(), widths_.empty() ? 2.0 : widths_.back());
}

JointedLimb JointedLimb::along(const QPainterPath& curve, int articles, qreal baseWidth,
                               qreal tipWidth) {
  std::vector<QPointF> joints;
  std::vector<qreal> widths;
  for (int i = 0; i <= articles; ++i) {
    const qreal t = qreal(i) / articles;
    joints.push_back(curve.pointAtPercent(t));
    widths.push_back(baseWidth + (tipWidth - baseWidth) * t);
  }
  return {std::move(joints), std::move(widths)};
}

JointedLimb JointedLimb::fromHeading(QPointF base, qreal heading, const std::vector<qreal>& lengths,
                                     const std::vector<qreal>& turns, std::vector<qreal> widths) {
  std::vector<QPointF> joints{base};
  qreal angle = heading;
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    if (i > 0 && i - 1 < turns.size()) angle += turns[i - 1];
    const qreal radians = angle * std::numbers::pi / 180;
    joints.push_back(joints.back() + QPointF(std::cos(radians), std::sin(radians)) * lengths[i]);
  }
  return {std::move(joints), std::move(widths)};
}

JointedLimb JointedLimb::onSide(qreal side, qreal axisX, QPointF base, qreal heading,
                                const std::vector<qreal>& lengths, const std::vector<qreal>& turns,
                                std::vector<qreal> widths) {
  if (side > 0) return fromHeading(base, heading, lengths, turns, std::move(widths));
  std::vector<qreal> mirroredTurns;
  for (const qreal turn : turns) mirroredTurns.push_back(-turn);
  return fromHeading(QPointF(2 * axisX - base.x(), base.y()), 180 - heading, lengths, mirroredTurns,
                     std::move(widths));
}

std::vector<qreal> JointedLimb::split(qreal length, const std::vector<qreal>& shares) {
  std::vector<qreal> lengths;
  for (const qreal share : shares) lengths.push_back(share * length);
  return lengths;
}

QPainterPath JointedLimb::segment(std::size_t index) const {
  // The near end is pinched so that it sits inside the wider far end of the previous segment.
  return capsule(joints_[index], widths_[index] * 0.36, joints_[index + 1],
                 widths_[index + 1] * 0.5);
}

QPainterPath JointedLimb::silhouette() const {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  for (std::size_t i = 0; i + 1 < joints_.size(); ++i) path.addPath(segment(i));
  return path;
}

void JointedLimb::paint(QPainter& painter, const LimbStyle& style) const {
  // From the tip back to the body, so that each segment covers the start of the next one.
  for (std::size_t i = joints_.size() - 1; i-- > 0;) paintSegment(painter, i, style);
}

void JointedLimb::paintSegment(QPainter& painter, std::size_t index, const LimbStyle& style) const {
  const QPointF a = joints_[index];
  const QPointF b = joints_[index + 1];
  const QPointF d = DrawingKit::unit(b - a);
  QPointF n(-d.y(), d.x());
  if (QPointF::dotProduct(n, kLight) < 0) n = -n;
  const QPointF middle = (a + b) / 2;
  const qreal r = std::max(widths_[index], widths_[index + 1]) * 0.55;
  QLinearGradient shade(middle + n * r, middle - n * r);
  shade.setColorAt(0.0, style.fill.darker(115));
  shade.setColorAt(0.25, style.fill.lighter(140));
  shade.setColorAt(0.55, style.fill);
  shade.setColorAt(1.0, style.fill.darker(185));
  const QPainterPath shape = segment(index);
  painter.fillPath(shape, shade);
  paintBand(painter, index, style);
  paintHairs(painter, index, style);
  paintSpines(painter, index, style);
  const QColor outline = style.outline.isValid() ? style.outline : style.fill.darker(230);
  painter.strokePath(shape,
                     QPen(outline, style.outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void JointedLimb::paintBand(QPainter& painter, std::size_t index, const LimbStyle& style) const {
  if (style.bandShare <= 0 || style.band.alpha() == 0) return;
  const QPointF a = joints_[index];
  const QPointF b = joints_[index + 1];
  const QPointF start = b + (a - b) * style.bandShare;
  QPainterPath ring = capsule(start, widths_[index + 1] * 0.5, b, widths_[index + 1] * 0.5);
  painter.fillPath(ring.intersected(segment(index)), style.band);
}

void JointedLimb::paintSpines(QPainter& painter, std::size_t index, const LimbStyle& style) const {
  if (style.spines <= 0 || index < 2) return;
  const QPointF a = joints_[index];
  const QPointF b = joints_[index + 1];
  const QPointF d = DrawingKit::unit(b - a);
  const QPointF n(-d.y(), d.x());
  painter.save();
  painter.setPen(QPen(style.spineColour, style.outlineWidth * 0.9, Qt::SolidLine, Qt::RoundCap));
  for (int j = 0; j < style.spines; ++j) {
    const qreal u = (j + 0.6) / (style.spines + 0.4);
    const qreal side = (j + int(index)) % 2 == 0 ? 1.0 : -1.0;
    const qreal r = (widths_[index] + (widths_[index + 1] - widths_[index]) * u) * 0.45;
    const QPointF root = a + (b - a) * u + n * (side * r);
    const QPointF tip = root + (d * 0.8 + n * (side * 0.6)) * style.spineLength;
    painter.drawLine(root, tip);
  }
  painter.restore();
}

void JointedLimb::paintHairs(QPainter& painter, std::size_t index, const LimbStyle& style) const {
  if (style.hairs <= 0 || !DrawingKit::isEnlarged(painter)) return;
  const QPointF a = joints_[index];
  const QPointF b = joints_[index + 1];
  const QPointF d = DrawingKit::unit(b - a);
  const QPointF n(-d.y(), d.x());
  std::mt19937 generator(unsigned(index * 7919 + joints_.size()));
  std::uniform_real_distribution<qreal> place(0.1, 0.95);
  std::uniform_real_distribution<qreal> slant(0.4, 0.9);
  painter.save();
  painter.setPen(QPen(style.fill.darker(200), 0.6, Qt::SolidLine, Qt::RoundCap));
  for (int j = 0; j < style.hairs; ++j) {
    const qreal side = j % 2 == 0 ? 1.0 : -1.0;
    const qreal u = place(generator);
    const qreal r = (widths_[index] + (widths_[index + 1] - widths_[index]) * u) * 0.42;
    const QPointF root = a + (b - a) * u + n * (side * r);
    const QPointF tip = root + (d * slant(generator) + n * (side * 0.5)) * style.hairLength;
    painter.drawLine(root, tip);
  }
  painter.restore();
}

}  // namespace sylvenor::draw::arthropods
