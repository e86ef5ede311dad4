#include "SnakeHead.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "PaintLayer.h"
#include "ScaleNet.h"
#include "SkinShading.h"

namespace sylvenor::draw {

namespace {

constexpr int kLipScales = 8;
// The back of the head that fades into the neck, as a fraction of its length.
constexpr qreal kFade = 0.22;

}  // namespace

SnakeHead::SnakeHead(const Design& design) : design_(design) {}

qreal SnakeHead::overlap() const { return design_.length * kFade; }

QPainterPath SnakeHead::outline() const {
  const qreal l = design_.length;
  const qreal d = design_.depth;
  const qreal lift = design_.snoutLift * d;
  const qreal bulge = design_.jawBulge * d;
  QPainterPath path(QPointF(0, -design_.neck));
  path.cubicTo(QPointF(0.1 * l, -0.5 * (design_.neck + 0.5 * d) - bulge * 0.5),
               QPointF(0.25 * l, -0.5 * d - bulge), QPointF(0.5 * l, -0.49 * d - bulge * 0.5));
  path.cubicTo(QPointF(0.56 * l, -0.48 * d), QPointF(0.58 * l, -0.47 * d),
               QPointF(0.6 * l, -0.46 * d));
  path.cubicTo(QPointF(0.82 * l, -0.42 * d - lift * 0.3), QPointF(0.95 * l, -0.32 * d - lift),
               QPointF(1.0 * l, -0.14 * d - lift));
  path.cubicTo(QPointF(1.03 * l, 0.0), QPointF(1.0 * l, 0.12 * d), QPointF(0.9 * l, 0.18 * d));
  path.cubicTo(QPointF(0.7 * l, 0.3 * d), QPointF(0.4 * l, 0.46 * d + bulge),
               QPointF(0.18 * l, 0.5 * d + bulge * 0.6));
  path.cubicTo(QPointF(0.08 * l, 0.5 * d), QPointF(0.02 * l, design_.neck * 1.1),
               QPointF(0, design_.neck));
  return path;
}

QPainterPath SnakeHead::mouthLine() const {
  const qreal l = design_.length;
  const qreal d = design_.depth;
  QPainterPath path(QPointF(0.98 * l, 0.07 * d));
  path.cubicTo(QPointF(0.7 * l, 0.16 * d), QPointF(0.45 * l, 0.2 * d),
               QPointF(0.22 * l, 0.3 * d + design_.jawBulge * d * 0.5));
  return path;
}

QPointF SnakeHead::eyeCentre() const {
  return {design_.eye.x() * design_.length, design_.eye.y() * design_.depth};
}

void SnakeHead::paint(QPainter& target, QPointF neck, qreal direction) const {
  // The head is painted on a layer of its own whose back fades out, so that it runs on into the
  // neck below it without a seam.
  PaintLayer layer(target);
  QPainter& painter = layer.painter();
  painter.translate(neck);
  painter.rotate(direction);
  // Keep the top of the head up on screen whichever way the head points.
  const qreal radians = direction * M_PI / 180.0;
  if (std::cos(radians) < 0) painter.scale(1, -1);
  const QPainterPath edge = outline();
  QPainterPath shape = edge;
  shape.closeSubpath();
  SkinShading::softShadow(painter, shape, QPointF(0, 5), 6, 40);
  paintSkin(painter, shape);
  paintLips(painter, shape);
  paintPlates(painter, shape);
  SkinShading::outline(painter, edge, design_.outline, 1.6);
  paintEye(painter);
  QLinearGradient fade(QPointF(0, 0), QPointF(design_.length * kFade, 0));
  fade.setColorAt(0.0, Qt::transparent);
  fade.setColorAt(1.0, Qt::black);
  painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
  painter.fillRect(
      QRectF(-design_.length, -design_.depth * 2, design_.length * 3, design_.depth * 4), fade);
  layer.compositeOnto(target);
}

void SnakeHead::paintSkin(QPainter& painter, const QPainterPath& shape) const {
  QLinearGradient volume(QPointF(0, -design_.depth * 0.5), QPointF(0, design_.depth * 0.5));
  volume.setColorAt(0.0, design_.top.darker(125));
  volume.setColorAt(0.3, design_.top.lighter(112));
  volume.setColorAt(0.7, design_.top);
  volume.setColorAt(1.0, design_.top.darker(140));
  painter.fillPath(shape, volume);
  if (design_.stripe.alpha() == 0) return;
  const QPointF eye = eyeCentre();
  QPainterPath stripe(eye + QPointF(0, -design_.eyeRadius * 0.6));
  stripe.cubicTo(eye + QPointF(-0.2 * design_.length, -design_.eyeRadius * 0.2),
                 QPointF(0.18 * design_.length, 0.05 * design_.depth),
                 QPointF(0.02 * design_.length, 0.15 * design_.depth));
  stripe.lineTo(QPointF(0.05 * design_.length, 0.4 * design_.depth));
  stripe.cubicTo(QPointF(0.22 * design_.length, 0.3 * design_.depth),
                 eye + QPointF(-0.15 * design_.length, design_.eyeRadius * 1.2),
                 eye + QPointF(0, design_.eyeRadius * 0.6));
  stripe.closeSubpath();
  painter.save();
  painter.setClipPath(shape);
  painter.fillPath(stripe, design_.stripe);
  painter.restore();
}

// The row of upper lip scales above the mouth, pale, each edged with a dark seam.
void SnakeHead::paintLips(QPainter& painter, const QPainterPath& shape) const {
  const qreal l = design_.length;
  const qreal d = design_.depth;
  const QPainterPath mouth = mouthLine();
  QPainterPath lips = mouth;
  lips.lineTo(QPointF(0.22 * l, 0.14 * d));
  lips.cubicTo(QPointF(0.5 * l, 0.06 * d), QPointF(0.75 * l, 0.0), QPointF(0.98 * l, -0.06 * d));
  lips.lineTo(QPointF(1.05 * l, 0.0));
  lips.closeSubpath();
  painter.save();
  painter.setClipPath(shape);
  painter.fillPath(lips, design_.lip);
  QPainterPath chin(QPointF(0.95 * l, 0.1 * d));
  chin.lineTo(mouth.pointAtPercent(1.0));
  chin.lineTo(QPointF(0.1 * l, 0.6 * d));
  chin.lineTo(QPointF(l, 0.5 * d));
  chin.closeSubpath();
  painter.fillPath(chin, design_.lip.darker(108));
  painter.setPen(QPen(design_.lipSeams, 1.0, Qt::SolidLine, Qt::RoundCap));
  for (int i = 1; i < kLipScales; ++i) {
    const qreal f = qreal(i) / kLipScales;
    const QPointF onMouth = mouth.pointAtPercent(f);
    painter.drawLine(onMouth, onMouth + QPointF(0.03 * l, -0.15 * d));
  }
  painter.restore();
  SkinShading::outline(painter, mouth, design_.outline, 2.0);
}

void SnakeHead::paintPlates(QPainter& painter, const QPainterPath& shape) const {
  const qreal l = design_.length;
  const qreal d = design_.depth;
  const QPointF eye = eyeCentre();
  const qreal r = design_.eyeRadius;
  painter.save();
  painter.setClipPath(shape);
  const QColor seam = SkinShading::withAlpha(design_.outline, 170);
  if (!design_.largePlates) {
    QPainterPath upper;
    upper.addRect(QRectF(-l, -d, 2.2 * l, d * 0.95 + eye.y()));
    ScaleNet::granulesIn(painter, shape.intersected(upper), r * 0.5,
                         {seam, QColor(255, 255, 255, 40), 0.8, false});
  }
  painter.setPen(QPen(seam, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  // Scales ringing the eye, and the nostril on the snout.
  painter.drawEllipse(eye, r * 1.5, r * 1.45);
  for (int i = 0; i < 8; ++i) {
    const qreal a = (i * 45 + 20) * M_PI / 180.0;
    painter.drawLine(eye + QPointF(std::cos(a), std::sin(a)) * r * 1.5,
                     eye + QPointF(std::cos(a), std::sin(a)) * r * 2.1);
  }
  if (design_.largePlates) {
    // The edge of the large crown shields, seen from the side, and the nasal plate.
    QPainterPath crown(QPointF(0.2 * l, -0.47 * d));
    crown.cubicTo(QPointF(0.4 * l, -0.36 * d), QPointF(0.55 * l, -0.36 * d),
                  eye + QPointF(0, -r * 1.5));
    painter.drawPath(crown);
    painter.drawLine(QPointF(0.38 * l, -0.39 * d), QPointF(0.36 * l, -0.5 * d));
    painter.drawEllipse(QPointF(0.92 * l, -0.12 * d), r * 0.7, r * 0.6);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(20, 16, 12));
  painter.drawEllipse(QPointF(0.93 * l, -0.12 * d - design_.snoutLift * d * 0.6), r * 0.28,
                      r * 0.22);
  painter.restore();
}

void SnakeHead::paintEye(QPainter& painter) const {
  const QPointF eye = eyeCentre();
  const qreal r = design_.eyeRadius;
  painter.save();
  painter.setPen(QPen(design_.outline, 1.2));
  QRadialGradient iris(eye, r, eye - QPointF(r * 0.3, r * 0.3));
  iris.setColorAt(0.0, design_.iris.lighter(130));
  iris.setColorAt(0.75, design_.iris);
  iris.setColorAt(1.0, design_.iris.darker(180));
  painter.setBrush(iris);
  painter.drawEllipse(eye, r, r);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(8, 8, 8));
  if (design_.verticalPupil) {
    QPainterPath slit(eye + QPointF(0, -r * 0.86));
    slit.quadTo(eye + QPointF(r * 0.34, 0), eye + QPointF(0, r * 0.86));
    slit.quadTo(eye + QPointF(-r * 0.34, 0), eye + QPointF(0, -r * 0.86));
    painter.drawPath(slit);
  } else {
    painter.drawEllipse(eye, r * 0.5, r * 0.5);
  }
  painter.restore();
  SkinShading::glint(painter, eye + QPointF(-r * 0.3, -r * 0.4), r * 0.3, r * 0.2, -25);
}

}  // namespace sylvenor::draw
