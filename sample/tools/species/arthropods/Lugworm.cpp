#include "Lugworm.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "Blend.h"
#include "GillTuft.h"
#include "RingedBody.h"
#include "SoftShadow.h"

namespace sylvenor::draw::arthropods {

namespace {

const QColor kFront(150, 78, 58);
const QColor kTrunk(98, 76, 48);
const QColor kTail(172, 146, 92);
const QColor kBristle(214, 180, 96);

constexpr qreal kHeadEnd = 0.035;
constexpr qreal kGillsStart = 0.17;
constexpr qreal kGillsEnd = 0.66;
constexpr int kBareSegments = 6;
constexpr int kGillPairs = 13;

qreal halfWidth(qreal t) {
  const qreal trunk =
      45 + 9 * Blend::smoothStep(0.0, 0.17, t) - 9 * Blend::smoothStep(0.17, 0.64, t);
  const qreal w =
      trunk - 18 * Blend::smoothStep(0.64, 0.72, t) - 7 * Blend::smoothStep(0.72, 1.0, t);
  const qreal ends = std::max(Blend::roundedEnd(t, 0.03), 0.35) * Blend::roundedEnd(1 - t, 0.02);
  return std::max(1.5, w * ends);
}

QColor colour(qreal t) {
  if (t < kGillsEnd) return Blend::colours(kFront, kTrunk, Blend::smoothStep(0.1, 0.35, t));
  return Blend::colours(kTrunk, kTail, Blend::smoothStep(kGillsEnd, 0.75, t));
}

// Where each segment of the front part and of the gill part begins, front to back.
std::vector<qreal> segmentStarts() {
  std::vector<qreal> starts;
  for (int i = 0; i < kBareSegments; ++i) {
    starts.push_back(kHeadEnd + (kGillsStart - kHeadEnd) * i / kBareSegments);
  }
  for (int i = 0; i <= kGillPairs; ++i) {
    starts.push_back(kGillsStart + (kGillsEnd - kGillsStart) * i / kGillPairs);
  }
  return starts;
}

BodyAxis midline() {
  QPainterPath path(QPointF(905, 292));
  path.cubicTo(QPointF(670, 210), QPointF(420, 490), QPointF(92, 444));
  return BodyAxis(path);
}

std::vector<GillTuft> gills(const RingedBody& body) {
  const BodyAxis& axis = body.axis();
  const qreal step = (kGillsEnd - kGillsStart) / kGillPairs;
  std::vector<GillTuft> tufts;
  for (int i = 0; i < kGillPairs; ++i) {
    const qreal t = kGillsStart + step * (i + 0.45);
    // The first and last pairs are smaller than those in the middle.
    const qreal size = 34 + 14 * std::sin(std::numbers::pi * (i + 0.5) / kGillPairs);
    for (const qreal side : {-1.0, 1.0}) {
      const QPointF out = axis.normal(t) * side + axis.tangent(t) * 0.15;
      tufts.emplace_back(axis.at(t, side * body.halfWidth(t) * 0.8), out, size,
                         unsigned(100 + i * 2 + (side > 0 ? 1 : 0)));
    }
  }
  return tufts;
}

void paintBristles(QPainter& painter, const RingedBody& body) {
  // A small tuft of golden bristles stands on each side of every segment but the tail's.
  const BodyAxis& axis = body.axis();
  painter.setPen(QPen(kBristle, 0.9, Qt::SolidLine, Qt::RoundCap));
  const std::vector<qreal> starts = segmentStarts();
  for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
    const qreal t = starts[i] + (starts[i + 1] - starts[i]) * 0.2;
    for (const qreal side : {-1.0, 1.0}) {
      const QPointF root = axis.at(t, side * body.halfWidth(t) * 0.9);
      for (int hair = -2; hair <= 2; ++hair) {
        const QPointF out = axis.normal(t) * side - axis.tangent(t) * (0.25 * hair);
        painter.drawLine(root, root + out * 9);
      }
    }
  }
}

void paintSegmentRings(QPainter& painter, const RingedBody& body) {
  const std::vector<qreal> starts = segmentStarts();
  // Fine rings within each segment, stronger grooves between segments.
  for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
    body.paintRings(painter, i < kBareSegments ? 3 : 5, starts[i], starts[i + 1], 50);
  }
  for (std::size_t i = 0; i < starts.size(); ++i) {
    body.paintRings(painter, 2, starts[i] - 0.002, starts[i] + 0.002, 130);
  }
  body.paintRings(painter, 42, kGillsEnd, 0.99, 70);
}

void paintHead(QPainter& painter, const BodyAxis& axis) {
  // The small head lobe above the mouth.
  painter.setPen(QPen(kFront.darker(200), 1.2));
  painter.setBrush(kFront.lighter(125));
  painter.drawEllipse(axis.at(0.004, 0), 7, 7);
}

}  // namespace

void Lugworm::paint(QPainter& painter) {
  const RingedBody body(midline(), &halfWidth);
  const std::vector<GillTuft> tufts = gills(body);
  SoftShadow shadow(painter, QPointF(8, 12), 14);
  shadow.add(body.outline());
  for (const GillTuft& tuft : tufts) shadow.add(tuft.silhouette());
  shadow.cast(0.33);

  for (const GillTuft& tuft : tufts) tuft.paint(painter);
  body.paintFlesh(painter, &colour);
  paintSegmentRings(painter, body);
  body.paintSheen(painter, 0.03, 0.97, 70);
  paintBristles(painter, body);
  body.paintOutline(painter, kTrunk.darker(200), 1.5);
  paintHead(painter, body.axis());
}

}  // namespace sylvenor::draw::arthropods
