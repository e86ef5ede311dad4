#include "LadybirdPronotum.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "BilateralPath.h"
#include "DrawingKit.h"
#include "LadybirdWingCases.h"
#include "Lustre.h"

namespace sylvenor::draw {

namespace {

const QColor kIvory(250, 247, 236);
const QColor kIvoryShade(196, 190, 176);

}  // namespace

QPainterPath LadybirdPronotum::outline() {
  // Short and broad: the front edge is hollowed for the head, the front corners reach forward
  // on either side of it and the rounded sides carry on the oval of the wing cases.
  QPainterPath right(QPointF(0, -224));
  right.cubicTo(QPointF(48, -224), QPointF(90, -229), QPointF(108, -245));
  right.cubicTo(QPointF(116, -253), QPointF(129, -255), QPointF(140, -248));
  right.cubicTo(QPointF(176, -226), QPointF(199, -190), QPointF(201, -150));
  right.cubicTo(QPointF(202, -134), QPointF(199, -125), QPointF(190, -123));
  right.cubicTo(QPointF(130, -116), QPointF(50, -104), QPointF(0, -104));
  return BilateralPath::fromRightHalf(right);
}

QPainterPath LadybirdPronotum::cornerPatches() {
  QPainterPath region(QPointF(100, -280));
  region.lineTo(240, -280);
  region.lineTo(240, -174);
  region.lineTo(156, -171);
  region.cubicTo(QPointF(124, -170), QPointF(106, -180), QPointF(103, -202));
  region.lineTo(100, -280);
  region.closeSubpath();
  QPainterPath both = region;
  both.addPath(BilateralPath::mirrored(region));
  return both.intersected(outline());
}

void LadybirdPronotum::paint(QPainter& painter) {
  const QPainterPath shape = outline();
  painter.save();
  paintShadowOnBack(painter, shape);
  paintCuticle(painter, shape);
  paintPatches(painter, shape);
  paintGloss(painter, shape);
  painter.strokePath(shape, QPen(QColor(0, 0, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.restore();
}

void LadybirdPronotum::paintShadowOnBack(QPainter& painter, const QPainterPath& shape) {
  // The shield overhangs the base of the wing cases and shades it a little.
  painter.save();
  painter.setClipPath(LadybirdWingCases::outline());
  for (const qreal drop : {4.0, 8.0, 13.0}) {
    painter.fillPath(shape.translated(1.5, drop), QColor(30, 0, 0, 45));
  }
  painter.restore();
}

void LadybirdPronotum::paintCuticle(QPainter& painter, const QPainterPath& shape) {
  QRadialGradient black(QPointF(-20, -190), 220, QPointF(-70, -212));
  black.setColorAt(0.0, QColor(104, 104, 112));
  black.setColorAt(0.22, QColor(52, 51, 56));
  black.setColorAt(0.65, QColor(18, 18, 20));
  black.setColorAt(1.0, QColor(3, 3, 4));
  painter.fillPath(shape, black);
  if (!DrawingKit::isEnlarged(painter)) return;
  painter.save();
  painter.setClipPath(shape);
  Lustre::punctures(painter, shape.subtracted(cornerPatches()), 6.5, 0.55, QColor(0, 0, 0, 60), 3);
  painter.restore();
}

void LadybirdPronotum::paintPatches(QPainter& painter, const QPainterPath& shape) {
  const QPainterPath patches = cornerPatches();
  QLinearGradient light(QPointF(-190, -250), QPointF(190, -150));
  light.setColorAt(0.0, kIvory);
  light.setColorAt(1.0, kIvoryShade);
  painter.fillPath(patches, light);
  // The shield is domed too: its flanks turn away and dim the white a little.
  painter.save();
  painter.setClipPath(shape);
  QRadialGradient round(QPointF(0, -175), 215);
  round.setColorAt(0.0, QColor(0, 0, 0, 0));
  round.setColorAt(0.7, QColor(0, 0, 0, 0));
  round.setColorAt(1.0, QColor(0, 0, 0, 90));
  painter.fillPath(patches, round);
  painter.restore();
  painter.strokePath(patches, QPen(QColor(70, 66, 60, 140), 1.0));
}

void LadybirdPronotum::paintGloss(QPainter& painter, const QPainterPath& shape) {
  painter.save();
  painter.setClipPath(shape);
  // A long sheen follows the curve of the shield, with a window reflection on the lit side.
  Lustre::glow(painter, QPointF(-50, -196), QSizeF(110, 34), -6, QColor(255, 255, 255, 80));
  Lustre::glow(painter, QPointF(75, -192), QSizeF(60, 22), 10, QColor(255, 255, 255, 40));
  QPainterPath window;
  window.addRoundedRect(QRectF(-22, -7, 44, 14), 7, 7);
  painter.fillPath(QTransform::fromTranslate(-80, -208).rotate(-12).map(window),
                   QColor(255, 255, 255, 175));
  // The thin raised margin of the shield catches the light all round.
  painter.strokePath(shape, QPen(QColor(170, 170, 182, 80), 7));
  // Light bounced from the red back brightens the rear edge of the shield a little.
  Lustre::glow(painter, QPointF(0, -112), QSizeF(150, 10), 0, QColor(200, 90, 70, 60));
  painter.restore();
}

}  // namespace sylvenor::draw
