#include "MedicinalLeech.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "Blend.h"
#include "RingedBody.h"

namespace sylvenor::draw::arthropods {

namespace {

const QColor kBack(96, 104, 54);
const QColor kStripe(236, 130, 56);
const QColor kMargin(206, 198, 100);
const QColor kSpot(22, 20, 12);
const QColor kSucker(58, 60, 34);

constexpr int kRings = 104;
// Five rings make one body segment; the black spots repeat once per segment.
constexpr int kRingsPerSegment = 5;

qreal halfWidth(qreal t) {
  const qreal w = 10 + 52 * Blend::smoothStep(-0.1, 0.62, t) - 9 * Blend::smoothStep(0.75, 1.0, t);
  return std::max(1.5, w * Blend::roundedEnd(t, 0.02) * Blend::roundedEnd(1 - t, 0.05));
}

BodyAxis midline() {
  QPainterPath path(QPointF(900, 268));
  path.cubicTo(QPointF(700, 196), QPointF(420, 280), QPointF(150, 478));
  return BodyAxis(path);
}

// A lengthwise band of the pattern, between two shares of the half-width on one flank.
QPainterPath stripe(const RingedBody& body, qreal inner, qreal outer, qreal t0, qreal t1) {
  const BodyAxis& axis = body.axis();
  QPainterPath path;
  for (int i = 0; i <= 120; ++i) {
    const qreal t = t0 + (t1 - t0) * i / 120;
    const QPointF p = axis.at(t, inner * body.halfWidth(t));
    if (i == 0) {
      path.moveTo(p);
    } else {
      path.lineTo(p);
    }
  }
  for (int i = 120; i >= 0; --i) {
    const qreal t = t0 + (t1 - t0) * i / 120;
    path.lineTo(axis.at(t, outer * body.halfWidth(t)));
  }
  path.closeSubpath();
  return path;
}

void paintPattern(QPainter& painter, const RingedBody& body) {
  const BodyAxis& axis = body.axis();
  painter.save();
  painter.setClipPath(body.outline());
  // Multiplied over the grey relief of the body, the colours keep its light and shade.
  painter.setCompositionMode(QPainter::CompositionMode_Multiply);
  QPainterPath ground = body.outline();
  for (const qreal side : {-1.0, 1.0}) {
    const QPainterPath bands[] = {stripe(body, side * 0.16, side * 0.36, 0.04, 0.97),
                                  stripe(body, side * 0.56, side * 0.66, 0.05, 0.96),
                                  stripe(body, side * 0.86, side * 0.98, 0.02, 0.98)};
    const QColor colours[] = {kStripe, kStripe.darker(110), kMargin};
    for (int i = 0; i < 3; ++i) {
      painter.fillPath(bands[i], colours[i]);
      ground = ground.subtracted(bands[i]);
    }
  }
  painter.fillPath(ground, kBack);
  // Black spots break the two middle stripes, one on each segment.
  painter.setPen(Qt::NoPen);
  painter.setBrush(kSpot);
  const int segments = kRings / kRingsPerSegment;
  for (int i = 1; i < segments; ++i) {
    const qreal t = 0.04 + 0.92 * i / segments;
    const qreal w = body.halfWidth(t);
    const qreal length = 0.92 / segments * axis.length() * 0.45;
    for (const qreal side : {-1.0, 1.0}) {
      painter.save();
      const QPointF centre = axis.at(t, side * 0.26 * w);
      const QPointF along = axis.tangent(t);
      painter.translate(centre);
      painter.rotate(std::atan2(along.y(), along.x()) * 180 / std::numbers::pi);
      painter.drawEllipse(QPointF(0, 0), length / 2, 0.12 * w);
      painter.restore();
      painter.drawEllipse(axis.at(t + 0.01, side * 0.61 * w), 0.07 * w, 0.06 * w);
    }
  }
  painter.restore();
}

void paintRearSucker(QPainter& painter, const BodyAxis& axis) {
  const QPointF centre = axis.point(0.975) + axis.tangent(1.0) * 4;
  QRadialGradient shade(centre + QPointF(-10, -12), 60);
  shade.setColorAt(0.0, kSucker.lighter(150));
  shade.setColorAt(0.7, kSucker);
  shade.setColorAt(1.0, kSucker.darker(160));
  painter.setPen(QPen(kSucker.darker(220), 1.6));
  painter.setBrush(shade);
  painter.drawEllipse(centre, 52, 52);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(30, 30, 15, 110), 1.2));
  for (const qreal r : {45.0, 37.0}) painter.drawEllipse(centre, r, r);
}

void paintHead(QPainter& painter, const BodyAxis& axis) {
  // The small front sucker, and five pairs of tiny eyes in an arc behind it.
  const QPointF tip = axis.point(0.004);
  painter.setPen(QPen(kBack.darker(200), 1.3));
  painter.setBrush(kBack.lighter(115));
  painter.drawEllipse(tip, 11, 11);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kSpot);
  for (int i = 0; i < 5; ++i) {
    for (const qreal side : {-1.0, 1.0}) {
      painter.drawEllipse(axis.at(0.012 + i * 0.006, side * (4 + i * 1.4)), 1.6, 1.6);
    }
  }
}

}  // namespace

void MedicinalLeech::paint(QPainter& painter) {
  const BodyAxis axis = midline();
  const RingedBody body(axis, &halfWidth);
  body.paintShadow(painter, 14);

  paintRearSucker(painter, axis);
  body.paintFlesh(painter, [](qreal) { return QColor(212, 212, 204); });
  paintPattern(painter, body);
  body.paintRings(painter, kRings, 0.01, 0.99, 60);
  body.paintSheen(painter, 0.05, 0.95, 40);
  body.paintOutline(painter, kBack.darker(220), 1.6);
  paintHead(painter, axis);
}

}  // namespace sylvenor::draw::arthropods
