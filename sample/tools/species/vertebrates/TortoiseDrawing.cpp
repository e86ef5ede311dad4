#include "TortoiseDrawing.h"

#include <QLinearGradient>
#include <QPainter>

#include "Carapace.h"
#include "DrawingCatalog.h"
#include "Limb.h"
#include "ScaleNet.h"
#include "SkinShading.h"

namespace sylvenor::draw {

namespace {

const QColor kSkin(150, 136, 100);
const QColor kSkinDark(82, 72, 50);
const QColor kClaw(206, 192, 150);
const ScaleNet::Style kSkinScales{QColor(60, 50, 32, 170), QColor(255, 250, 220, 30), 1.1, false};

Carapace::View shellView() { return {QPointF(560, 370), 300, 230, 225, 24, 24}; }

void paintSkinShape(QPainter& painter, const QPainterPath& shape, qreal scale) {
  QLinearGradient volume(shape.boundingRect().topLeft(), shape.boundingRect().bottomRight());
  volume.setColorAt(0.0, kSkin.lighter(112));
  volume.setColorAt(1.0, kSkin.darker(135));
  painter.fillPath(shape, volume);
  painter.save();
  painter.setClipPath(shape);
  ScaleNet::granulesIn(painter, shape, scale, kSkinScales);
  painter.restore();
  SkinShading::outline(painter, shape, kSkinDark, 1.8);
}

// A column of a leg ending in a blunt foot, with short thick claws along the front of the sole.
void paintLeg(QPainter& painter, QPointF root, QPointF foot, qreal width, int claws,
              qreal clawDirection, qreal scale, bool shaded) {
  QPainterPath shape = Limb::taper(root, foot, width, width * 0.86);
  shape = shape.united(Limb::taper(foot + QPointF(-width * 0.2, width * 0.1),
                                   foot + QPointF(width * 0.12, width * 0.18), width * 0.7,
                                   width * 0.55));
  paintSkinShape(painter, shape, scale);
  if (shaded) painter.fillPath(shape, QColor(20, 16, 8, 70));
  painter.save();
  painter.setPen(QPen(QColor(90, 80, 56), 1.2));
  for (int i = 0; i < claws; ++i) {
    const qreal f = claws > 1 ? qreal(i) / (claws - 1) : 0.5;
    const QPointF base = foot + QPointF(-width * 0.55 + width * 0.7 * f, width * 0.32 + 4 * f);
    const QPointF tip = Limb::towards(base, clawDirection + (f - 0.5) * 30, width * 0.26);
    QPainterPath claw = Limb::taper(base, tip, width * 0.14, 2.0);
    painter.setBrush(kClaw);
    painter.drawPath(claw);
  }
  painter.restore();
}

void paintNeckAndHead(QPainter& painter, const Carapace& shell) {
  const QPointF neckRoot = shell.project(QVector3D(250, 40, -20));
  const QPointF head = neckRoot + QPointF(-100, -34);
  QPainterPath neck = Limb::taper(neckRoot, head + QPointF(6, 4), 110, 84);
  paintSkinShape(painter, neck, 7);
  painter.save();
  painter.setPen(QPen(SkinShading::withAlpha(kSkinDark, 140), 1.6, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  // The loose skin of the neck folds into wrinkles.
  for (int i = 0; i < 4; ++i) {
    const QPointF c = neckRoot + (head - neckRoot) * (0.25 + 0.17 * i);
    QPainterPath fold(c + QPointF(6, -30));
    fold.quadTo(c + QPointF(-10, 0), c + QPointF(4, 30));
    painter.drawPath(fold);
  }
  painter.restore();
  painter.save();
  painter.translate(head);
  painter.rotate(8);
  painter.scale(-1.3, 1.3);
  QPainterPath skull(QPointF(-6, -34));
  skull.cubicTo(QPointF(30, -48), QPointF(74, -44), QPointF(96, -24));
  skull.cubicTo(QPointF(108, -12), QPointF(112, 4), QPointF(108, 14));
  skull.cubicTo(QPointF(100, 20), QPointF(92, 24), QPointF(84, 28));
  skull.cubicTo(QPointF(64, 40), QPointF(30, 42), QPointF(-6, 36));
  skull.cubicTo(QPointF(-24, 24), QPointF(-24, -22), QPointF(-6, -34));
  paintSkinShape(painter, skull, 6);
  QPainterPath crown(QPointF(10, -40));
  crown.cubicTo(QPointF(40, -50), QPointF(80, -44), QPointF(98, -22));
  crown.lineTo(QPointF(76, -24));
  crown.cubicTo(QPointF(56, -28), QPointF(34, -28), QPointF(14, -24));
  crown.closeSubpath();
  painter.fillPath(crown, QColor(118, 104, 72, 200));
  painter.setPen(QPen(kSkinDark, 1.3));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(crown);
  painter.drawLine(QPointF(54, -46), QPointF(56, -27));
  painter.drawLine(QPointF(80, -38), QPointF(76, -24));
  // The horny beak, hooked at the tip, and the line of the mouth.
  QPainterPath beak(QPointF(84, -2));
  beak.cubicTo(QPointF(96, -6), QPointF(108, -2), QPointF(110, 6));
  beak.cubicTo(QPointF(111, 14), QPointF(104, 20), QPointF(98, 18));
  beak.cubicTo(QPointF(92, 14), QPointF(84, 12), QPointF(76, 14));
  beak.closeSubpath();
  painter.setPen(QPen(QColor(60, 52, 36), 1.4));
  painter.setBrush(QColor(196, 176, 120));
  painter.drawPath(beak);
  painter.setBrush(QColor(222, 198, 110, 200));
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QPointF(44, 10), 16, 11);
  painter.setPen(QPen(QColor(50, 40, 26), 2.2, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  QPainterPath mouth(QPointF(100, 17));
  mouth.cubicTo(QPointF(88, 18), QPointF(72, 20), QPointF(58, 16));
  painter.drawPath(mouth);
  painter.setBrush(QColor(24, 18, 12));
  painter.drawEllipse(QPointF(102, -8), 2.4, 2.0);
  painter.setPen(QPen(kSkinDark, 1.6));
  painter.setBrush(QColor(176, 160, 118));
  painter.drawEllipse(QPointF(68, -14), 13, 11);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(16, 12, 8));
  painter.drawEllipse(QPointF(70, -14), 8, 8);
  painter.restore();
  SkinShading::glint(painter, head + QPointF(-87, -24), 3.8, 2.6, 0);
}

void paintGroundShadow(QPainter& painter, const Carapace& shell) {
  SkinShading::fillOval(
      painter, shell.project(QVector3D(-10, 0, -120)), 360, 360 * 0.22,
      {{0.0, QColor(40, 34, 24, 90)}, {0.7, QColor(40, 34, 24, 45)}, {1.0, QColor(40, 34, 24, 0)}});
}

void paintHermannsTortoise(QPainter& painter) {
  const Carapace shell(shellView());
  paintGroundShadow(painter, shell);
  const auto legRoot = [&shell](qreal x, qreal y) { return shell.project(QVector3D(x, y, -10)); };
  paintLeg(painter, legRoot(-170, -150), legRoot(-170, -150) + QPointF(6, 54), 70, 4, 170, 9, true);
  paintLeg(painter, legRoot(170, -150), legRoot(170, -150) + QPointF(-24, 52), 62, 5, 150, 9, true);
  const QPointF tail = shell.project(QVector3D(-285, 30, -40));
  QPainterPath tailShape = Limb::taper(tail, tail + QPointF(34, 30), 30, 8);
  paintSkinShape(painter, tailShape, 6);
  paintNeckAndHead(painter, shell);
  paintLeg(painter, legRoot(-180, 170), legRoot(-180, 170) + QPointF(6, 58), 100, 4, 165, 11,
           false);
  paintLeg(painter, legRoot(180, 170), legRoot(180, 170) + QPointF(-40, 58), 94, 5, 150, 15, false);
  shell.paint(painter, QColor(228, 180, 70), QColor(30, 24, 16), QColor(60, 44, 20));
}

}  // namespace

void TortoiseDrawing::addTo(DrawingCatalog& catalog) {
  catalog.add("tortue-d-hermann", paintHermannsTortoise);
}

}  // namespace sylvenor::draw
