#include "LadybirdWingCases.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <array>

#include "BilateralPath.h"
#include "DrawingKit.h"
#include "Lustre.h"

namespace sylvenor::draw {

namespace {

constexpr qreal kBase = -128;
constexpr qreal kTip = 332;

const QColor kBrightRed(242, 66, 34);
const QColor kRed(214, 36, 20);
const QColor kDeepRed(158, 18, 12);
const QColor kEdgeRed(104, 10, 8);
const QColor kSpot(12, 9, 9);
const QColor kFleck(232, 214, 190, 200);

}  // namespace

QPainterPath LadybirdWingCases::outline() {
  // Rounded shoulders, the greatest width a little before mid-length, a broad rounded rear.
  QPainterPath right(QPointF(0, kBase));
  right.lineTo(140, kBase - 2);
  right.cubicTo(QPointF(196, kBase - 5), QPointF(238, kBase + 22), QPointF(253, kBase + 76));
  right.cubicTo(QPointF(268, kBase + 130), QPointF(268, 80), QPointF(248, 150));
  right.cubicTo(QPointF(222, 240), QPointF(132, kTip), QPointF(0, kTip));
  return BilateralPath::fromRightHalf(right);
}

QPainterPath LadybirdWingCases::spot(const Spot& spot) {
  QPainterPath shape;
  shape.addEllipse(QPointF(0, 0), spot.radii.width(), spot.radii.height());
  QTransform place;
  place.translate(spot.centre.x(), spot.centre.y());
  place.rotate(spot.degrees);
  return place.map(shape);
}

QPainterPath LadybirdWingCases::spots() {
  // One spot at the front, the largest one at mid-length near the side, one towards the rear
  // close to the suture; the seventh is shared, astride the suture behind the pronotum. Spots
  // near the edge of the dome are seen at a slant, so they look narrower.
  constexpr std::array<Spot, 3> kSpots{{
      {{118, -38}, {37, 35}, 0},
      {{180, 86}, {45, 53}, -12},
      {{96, 212}, {41, 39}, 10},
  }};
  QPainterPath marks;
  marks.setFillRule(Qt::WindingFill);
  for (const Spot& each : kSpots) {
    marks.addPath(spot(each));
    marks.addPath(BilateralPath::mirrored(spot(each)));
  }
  marks.addPath(spot({{0, -100}, {47, 46}, 0}));
  return marks.simplified();
}

QPainterPath LadybirdWingCases::basalFlecks() {
  // Small whitish marks at the base of each wing case, beside the shared spot.
  QPainterPath fleck(QPointF(50, -112));
  fleck.lineTo(80, -114);
  fleck.cubicTo(QPointF(76, -106), QPointF(66, -100), QPointF(58, -99));
  fleck.quadTo(QPointF(53, -104), QPointF(50, -112));
  fleck.closeSubpath();
  QPainterPath both = fleck;
  both.addPath(BilateralPath::mirrored(fleck));
  return both;
}

void LadybirdWingCases::paint(QPainter& painter) {
  const QPainterPath shape = outline();
  painter.save();
  paintLacquer(painter, shape);
  paintMarks(painter, shape);
  paintDome(painter, shape);
  paintSuture(painter, shape);
  paintScutellum(painter);
  paintGloss(painter, shape);
  paintRim(painter, shape);
  painter.restore();
}

void LadybirdWingCases::paintLacquer(QPainter& painter, const QPainterPath& shape) {
  QRadialGradient red(QPointF(-40, 40), 300, QPointF(-90, -10));
  red.setColorAt(0.0, kBrightRed);
  red.setColorAt(0.45, kRed);
  red.setColorAt(0.85, kDeepRed);
  red.setColorAt(1.0, kEdgeRed);
  painter.fillPath(shape, red);
}

void LadybirdWingCases::paintMarks(QPainter& painter, const QPainterPath& shape) {
  painter.setClipPath(shape);
  painter.fillPath(basalFlecks(), kFleck);
  const QPainterPath marks = spots();
  painter.fillPath(marks, kSpot);
  // A faint darker ring shows that the pigment sits under the same varnish as the red.
  painter.strokePath(marks, QPen(QColor(90, 10, 8, 90), 1.4));
  if (DrawingKit::isEnlarged(painter)) {
    Lustre::punctures(painter, shape.subtracted(marks), 7.5, 0.6, QColor(110, 12, 8, 80), 7);
  }
  painter.setClipping(false);
}

void LadybirdWingCases::paintDome(QPainter& painter, const QPainterPath& shape) {
  // The back is a dome: it rounds away from the light towards the lower right edge.
  painter.save();
  painter.setClipPath(shape);
  QLinearGradient away(QPointF(-150, -120), QPointF(190, 320));
  away.setColorAt(0.0, QColor(40, 0, 0, 0));
  away.setColorAt(0.45, QColor(40, 0, 0, 10));
  away.setColorAt(1.0, QColor(40, 0, 0, 95));
  painter.fillPath(shape, away);
  painter.translate(0, 95);
  painter.scale(1.0, 0.9);
  QRadialGradient round(QPointF(0, 0), 272, QPointF(-70, -90));
  round.setColorAt(0.0, QColor(255, 255, 255, 0));
  round.setColorAt(0.6, QColor(40, 0, 0, 0));
  round.setColorAt(0.88, QColor(40, 0, 0, 80));
  round.setColorAt(1.0, QColor(30, 0, 0, 170));
  painter.fillRect(QRectF(-300, -300, 600, 600), round);
  painter.restore();
}

void LadybirdWingCases::paintSuture(QPainter& painter, const QPainterPath& shape) {
  // The wing cases meet on a straight line that sits in a shallow groove.
  painter.save();
  painter.setClipPath(shape);
  painter.setPen(QPen(QColor(255, 150, 120, 70), 3.0));
  painter.drawLine(QPointF(-3.0, kBase), QPointF(-3.0, kTip));
  painter.setPen(QPen(QColor(40, 4, 4, 230), 2.2));
  painter.drawLine(QPointF(0, kBase), QPointF(0, kTip));
  painter.restore();
}

void LadybirdWingCases::paintScutellum(QPainter& painter) {
  QPainterPath triangle(QPointF(-16, kBase + 14));
  triangle.lineTo(16, kBase + 14);
  triangle.quadTo(QPointF(3, kBase + 30), QPointF(0, kBase + 42));
  triangle.quadTo(QPointF(-3, kBase + 30), QPointF(-16, kBase + 14));
  painter.fillPath(triangle, QColor(14, 12, 12));
  painter.strokePath(triangle, QPen(QColor(90, 86, 90, 160), 1.0));
}

void LadybirdWingCases::paintGloss(QPainter& painter, const QPainterPath& shape) {
  painter.save();
  painter.setClipPath(shape);
  // A broad reflection of the sky on the lit side, fainter on the far wing case...
  Lustre::glow(painter, QPointF(-120, -20), QSizeF(95, 135), 28, QColor(255, 235, 225, 75));
  Lustre::glow(painter, QPointF(120, -40), QSizeF(60, 90), -24, QColor(255, 235, 225, 45));
  // ...and the crisp image of a bright window, the sign of a hard varnished surface.
  Lustre::glow(painter, QPointF(-172, -62), QSizeF(40, 16), -50, QColor(255, 255, 255, 150));
  QPainterPath window;
  window.addRoundedRect(QRectF(-24, -8, 48, 16), 8, 8);
  painter.fillPath(QTransform::fromTranslate(-172, -62).rotate(-50).map(window),
                   QColor(255, 255, 255, 185));
  Lustre::glow(painter, QPointF(176, -70), QSizeF(22, 9), 50, QColor(255, 255, 255, 120));
  // Light bounced from the ground lifts the lower edge out of the shade.
  Lustre::glow(painter, QPointF(60, 312), QSizeF(150, 22), -8, QColor(255, 120, 90, 45));
  painter.restore();
}

void LadybirdWingCases::paintRim(QPainter& painter, const QPainterPath& shape) {
  // The flattened outer margin catches a little light just inside the dark edge.
  painter.save();
  painter.setClipPath(shape);
  painter.strokePath(shape, QPen(QColor(255, 110, 80, 70), 12));
  painter.setClipping(false);
  painter.strokePath(shape,
                     QPen(QColor(70, 6, 6), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.restore();
}

}  // namespace sylvenor::draw
