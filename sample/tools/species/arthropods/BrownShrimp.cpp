#include "BrownShrimp.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "ShrimpAppendages.h"
#include "SoftShadow.h"
#include "SurfaceTexture.h"

namespace sylvenor::draw::arthropods {

namespace {

const QColor kSkin(202, 188, 160, 235);
const QColor kSkinDark(132, 120, 100);
const QColor kPigment(62, 46, 34, 200);

const qreal kSegmentStarts[] = {0.0, 0.125, 0.26, 0.395, 0.52, 0.635, 0.8};

void paintTranslucent(QPainter& painter, const QPainterPath& shape, QPointF top, QPointF bottom) {
  QLinearGradient shade(top, bottom);
  shade.setColorAt(0.0, kSkinDark);
  shade.setColorAt(0.25, kSkin.lighter(112));
  shade.setColorAt(0.7, kSkin);
  shade.setColorAt(1.0, QColor(220, 212, 194, 220));
  painter.fillPath(shape, shade);
}

}  // namespace

BodyAxis BrownShrimp::tailAxis() {
  QPainterPath midline(QPointF(528, 345));
  midline.cubicTo(QPointF(420, 338), QPointF(250, 362), QPointF(112, 414));
  return BodyAxis(midline);
}

qreal BrownShrimp::segmentStart(int segment) { return kSegmentStarts[segment]; }

qreal BrownShrimp::backHeight(qreal t) { return 50 - 34 * t; }

qreal BrownShrimp::bellyDepth(qreal t) { return 40 - 30 * t; }

QPainterPath BrownShrimp::segmentShape(const BodyAxis& axis, int segment) {
  const qreal t0 = kSegmentStarts[segment];
  const qreal t1 = kSegmentStarts[segment + 1] + 0.012;
  // Each ring hangs down on the flank as a rounded side plate.
  const qreal lobe = segment < 5 ? 12 : 3;
  const auto belly = [=](qreal t) {
    const qreal u = (t - t0) / (t1 - t0);
    return bellyDepth(t) + lobe * std::pow(std::sin(std::numbers::pi * u), 0.7);
  };
  const auto back = [=](qreal t) {
    const qreal u = (t - t0) / (t1 - t0);
    return backHeight(t) + 3 * std::sin(std::numbers::pi * u);
  };
  return axis.band(t0, t1, belly, back, 14);
}

QPainterPath BrownShrimp::shell() {
  QPainterPath path(QPointF(522, 302));
  path.cubicTo(QPointF(590, 290), QPointF(650, 284), QPointF(704, 286));
  // The single spine on the middle of the back of the shell.
  path.lineTo(QPointF(714, 274));
  path.lineTo(QPointF(724, 289));
  path.cubicTo(QPointF(752, 294), QPointF(778, 304), QPointF(794, 318));
  path.lineTo(QPointF(810, 328));  // the short beak
  path.lineTo(QPointF(792, 332));
  path.cubicTo(QPointF(794, 350), QPointF(788, 368), QPointF(778, 380));
  path.lineTo(QPointF(788, 390));  // the small spine at the lower front corner
  path.lineTo(QPointF(768, 390));
  path.cubicTo(QPointF(700, 404), QPointF(600, 408), QPointF(540, 400));
  path.cubicTo(QPointF(520, 380), QPointF(512, 330), QPointF(522, 302));
  return path;
}

void BrownShrimp::paint(QPainter& painter) {
  painter.save();
  painter.translate(0, 60);
  const BodyAxis axis = tailAxis();
  SoftShadow shadow(painter, QPointF(10, 40), 22);
  shadow.add(shell());
  for (int segment = 0; segment < 6; ++segment) shadow.add(segmentShape(axis, segment));
  shadow.add(ShrimpAppendages::silhouette(axis));
  shadow.cast(0.22);

  ShrimpAppendages::paintFarSide(painter, axis);
  ShrimpAppendages::paintNearSide(painter, axis);
  paintTail(painter, axis);
  paintShell(painter);
  paintEye(painter);
  ShrimpAppendages::paintHeadFront(painter);
  painter.restore();
}

void BrownShrimp::paintTail(QPainter& painter, const BodyAxis& axis) {
  ShrimpAppendages::paintTailFan(painter, axis);
  const QColor outline = kSkinDark.darker(140);
  for (int segment = 5; segment >= 0; --segment) {
    const QPainterPath shape = segmentShape(axis, segment);
    const qreal middle = (kSegmentStarts[segment] + kSegmentStarts[segment + 1]) / 2;
    paintTranslucent(painter, shape, axis.at(middle, backHeight(middle)),
                     axis.at(middle, -bellyDepth(middle) - 12));
    SurfaceTexture::pigmentCells(painter, shape, {14, 0.9, 1.8, kPigment, 40u + unsigned(segment)});
    painter.strokePath(shape, QPen(outline, 1.4));
  }
  // The dark gut shows through the skin all along the back.
  QPainterPath gut(axis.at(0.0, 26));
  for (int i = 1; i <= 20; ++i) gut.lineTo(axis.at(0.8 * i / 20, backHeight(0.8 * i / 20) * 0.5));
  painter.strokePath(gut, QPen(QColor(90, 70, 50, 90), 3.0, Qt::SolidLine, Qt::RoundCap));
  SurfaceTexture::shine(painter, axis.at(0.25, 36), axis.tangent(0.25), 160, 14, 90);
}

void BrownShrimp::paintShell(QPainter& painter) {
  const QPainterPath shape = shell();
  paintTranslucent(painter, shape, QPointF(650, 286), QPointF(650, 404));
  // The groove that marks the gill chamber on the side of the shell.
  painter.setPen(QPen(QColor(120, 108, 88, 150), 1.6));
  painter.setBrush(Qt::NoBrush);
  QPainterPath groove(QPointF(760, 330));
  groove.cubicTo(QPointF(700, 350), QPointF(620, 350), QPointF(545, 340));
  painter.drawPath(groove);
  SurfaceTexture::pigmentCells(painter, shape, {60, 0.9, 2.0, kPigment, 31});
  SurfaceTexture::shine(painter, QPointF(640, 306), QPointF(1, 0), 180, 18, 110);
  painter.strokePath(shape, QPen(kSkinDark.darker(140), 1.6));
}

void BrownShrimp::paintEye(QPainter& painter) {
  // The eyes sit on top of the head, close together: the far one peeps out behind the near one.
  for (const QPointF& centre : {QPointF(776, 300), QPointF(766, 305)}) {
    QRadialGradient shade(centre + QPointF(-3, -4), 15);
    shade.setColorAt(0.0, QColor(110, 92, 60));
    shade.setColorAt(1.0, QColor(20, 16, 10));
    painter.setPen(QPen(QColor(10, 8, 6), 1.2));
    painter.setBrush(shade);
    painter.drawEllipse(centre, 13, 11);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 180));
  painter.drawEllipse(QPointF(761, 300), 3, 2.4);
}

}  // namespace sylvenor::draw::arthropods
