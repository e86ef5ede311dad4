#include "LadybirdHead.h"

#include <QPainter>
#include <QRadialGradient>

#include "BilateralPath.h"
#include "Lustre.h"

namespace sylvenor::draw {

namespace {

const QColor kBrownBlack(48, 34, 28);
const QColor kMarkWhite(246, 242, 228);
const QPointF kEye(80, -243);

}  // namespace

QPainterPath LadybirdHead::outline() {
  QPainterPath right(QPointF(0, -280));
  right.cubicTo(QPointF(46, -280), QPointF(76, -268), QPointF(84, -242));
  right.lineTo(88, -200);
  right.lineTo(0, -200);
  return BilateralPath::fromRightHalf(right);
}

QPainterPath LadybirdHead::mouthparts() {
  QPainterPath lip;
  lip.addEllipse(QPointF(0, -280), 30, 7);
  QPainterPath mandible(QPointF(12, -283));
  mandible.quadTo(QPointF(20, -286), QPointF(16, -291));
  mandible.quadTo(QPointF(11, -289), QPointF(6, -285));
  mandible.closeSubpath();
  QPainterPath parts = lip.united(mandible);
  return parts.united(BilateralPath::mirrored(parts));
}

void LadybirdHead::paint(QPainter& painter) {
  painter.save();
  paintMouthparts(painter);
  const QPainterPath shape = outline();
  paintCapsule(painter, shape);
  paintEyes(painter);
  paintMarks(painter);
  painter.restore();
}

void LadybirdHead::paintMouthparts(QPainter& painter) {
  const QPainterPath parts = mouthparts();
  QRadialGradient shade(QPointF(-12, -286), 40);
  shade.setColorAt(0.0, QColor(92, 68, 54));
  shade.setColorAt(1.0, kBrownBlack);
  painter.fillPath(parts, shade);
  painter.strokePath(parts, QPen(QColor(8, 6, 6), 1.0));
}

void LadybirdHead::paintCapsule(QPainter& painter, const QPainterPath& shape) {
  QRadialGradient black(QPointF(-20, -262), 95, QPointF(-30, -268));
  black.setColorAt(0.0, QColor(88, 86, 92));
  black.setColorAt(0.35, QColor(30, 29, 32));
  black.setColorAt(1.0, QColor(5, 5, 6));
  painter.fillPath(shape, black);
  painter.strokePath(shape, QPen(QColor(0, 0, 0), 1.6));
  painter.save();
  painter.setClipPath(shape);
  Lustre::glow(painter, QPointF(-22, -266), QSizeF(26, 9), -8, QColor(255, 255, 255, 120));
  painter.restore();
}

void LadybirdHead::paintEyes(QPainter& painter) {
  for (const QPointF centre : {kEye, BilateralPath::mirrored(kEye)}) {
    QRadialGradient eye(centre + QPointF(-4, -6), 22);
    eye.setColorAt(0.0, QColor(96, 90, 84));
    eye.setColorAt(0.5, QColor(40, 36, 34));
    eye.setColorAt(1.0, QColor(12, 10, 10));
    painter.setPen(QPen(QColor(0, 0, 0), 1.2));
    painter.setBrush(eye);
    painter.drawEllipse(centre, 12.0, 19.0);
    Lustre::glow(painter, centre + QPointF(-4, -8), QSizeF(5, 4), 0, QColor(255, 255, 255, 200));
  }
}

void LadybirdHead::paintMarks(QPainter& painter) {
  QPainterPath mark;
  mark.addEllipse(QPointF(0, 0), 8.5, 5.5);
  const QPainterPath right = QTransform::fromTranslate(40, -250).rotate(28).map(mark);
  painter.setPen(QPen(QColor(120, 114, 104), 0.8));
  painter.setBrush(kMarkWhite);
  painter.drawPath(right);
  painter.drawPath(BilateralPath::mirrored(right));
}

}  // namespace sylvenor::draw
