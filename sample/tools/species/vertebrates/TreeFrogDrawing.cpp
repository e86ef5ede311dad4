#include "TreeFrogDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "DrawingCatalog.h"
#include "Limb.h"
#include "Scatter.h"
#include "SkinShading.h"

namespace sylvenor::draw {

namespace {

const QColor kGreen(74, 176, 52);
const QColor kOutline(26, 70, 20);
const QColor kStripe(92, 62, 40);
const QColor kStripeEdge(244, 240, 222);
const QColor kBelly(238, 232, 212);

QPainterPath bodyOutline() {
  QPainterPath path(QPointF(214, 336));
  path.cubicTo(QPointF(214, 314), QPointF(234, 296), QPointF(264, 288));
  path.cubicTo(QPointF(290, 270), QPointF(330, 264), QPointF(380, 270));
  path.cubicTo(QPointF(470, 268), QPointF(580, 276), QPointF(646, 308));
  path.cubicTo(QPointF(696, 334), QPointF(714, 376), QPointF(706, 412));
  path.cubicTo(QPointF(686, 446), QPointF(610, 458), QPointF(520, 460));
  path.cubicTo(QPointF(430, 460), QPointF(340, 440), QPointF(284, 412));
  path.cubicTo(QPointF(246, 392), QPointF(216, 368), QPointF(214, 336));
  path.closeSubpath();
  return path;
}

QPainterPath stripeLine() {
  QPainterPath path(QPointF(232, 314));
  path.cubicTo(QPointF(270, 300), QPointF(300, 296), QPointF(330, 298));
  path.cubicTo(QPointF(380, 294), QPointF(420, 312), QPointF(470, 338));
  path.cubicTo(QPointF(540, 368), QPointF(610, 380), QPointF(664, 386));
  // The hip loop: the stripe turns up and forward just before the thigh.
  path.cubicTo(QPointF(690, 386), QPointF(694, 352), QPointF(668, 346));
  path.cubicTo(QPointF(650, 342), QPointF(632, 346), QPointF(620, 352));
  return path;
}

// The short twig the frog grips, with its cut ends and a broken side shoot.
void paintTwig(QPainter& painter) {
  const QPointF left(110, 588), right(890, 560);
  const QPainterPath wood = Limb::taper(left, right, 48, 40)
                                .united(Limb::taper(QPointF(760, 560), QPointF(830, 492), 20, 14));
  SkinShading::softShadow(painter, wood, QPointF(3, 9), 7, 45);
  QLinearGradient bark(QPointF(0, 540), QPointF(0, 615));
  bark.setColorAt(0.0, QColor(156, 134, 104));
  bark.setColorAt(0.5, QColor(120, 100, 76));
  bark.setColorAt(1.0, QColor(76, 60, 44));
  painter.fillPath(wood, bark);
  painter.save();
  painter.setClipPath(wood);
  painter.setPen(QPen(QColor(70, 54, 38, 140), 1.4, Qt::SolidLine, Qt::RoundCap));
  for (int i = -4; i <= 4; ++i) {
    QPainterPath grain(left + QPointF(-20, i * 5.5));
    grain.cubicTo(QPointF(350, 582 + i * 5.0 + (i % 2) * 2), QPointF(620, 570 + i * 5.0),
                  right + QPointF(20, i * 4.5));
    painter.drawPath(grain);
  }
  painter.restore();
  SkinShading::outline(painter, wood, QColor(60, 46, 32), 1.6);
  painter.setPen(QPen(QColor(90, 70, 50), 1.2));
  painter.setBrush(QColor(200, 180, 140));
  painter.drawEllipse(right, 8, 20);
  painter.drawEllipse(left, 9, 24);
  painter.drawEllipse(QPointF(830, 492), 8, 6);
}

void paintSkin(QPainter& painter, const QPainterPath& shape, QPointF light) {
  QRadialGradient skin(light, 340);
  skin.setColorAt(0.0, kGreen.lighter(125));
  skin.setColorAt(0.6, kGreen);
  skin.setColorAt(1.0, kGreen.darker(150));
  painter.fillPath(shape, skin);
}

void paintBody(QPainter& painter) {
  const QPainterPath body = bodyOutline();
  paintSkin(painter, body, QPointF(430, 250));
  painter.save();
  painter.setClipPath(body);
  QPainterPath belly(QPointF(226, 356));
  belly.cubicTo(QPointF(330, 350), QPointF(420, 360), QPointF(480, 378));
  belly.cubicTo(QPointF(560, 398), QPointF(640, 404), QPointF(730, 406));
  belly.lineTo(QPointF(730, 520));
  belly.lineTo(QPointF(200, 520));
  belly.closeSubpath();
  painter.fillPath(belly, kBelly);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(200, 190, 160, 150));
  // The skin of the belly is finely granular.
  for (const QPointF& point : Scatter::inShape(belly.intersected(body), 41, 260, 7)) {
    painter.drawEllipse(point, 1.5, 1.5);
  }
  painter.setBrush(Qt::NoBrush);
  const QPainterPath stripe = stripeLine();
  painter.setPen(QPen(kStripeEdge, 26, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(stripe);
  painter.setPen(QPen(kStripe, 16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(stripe);
  QLinearGradient round(QPointF(0, 250), QPointF(0, 490));
  round.setColorAt(0.0, QColor(255, 255, 255, 0));
  round.setColorAt(0.75, QColor(0, 30, 0, 0));
  round.setColorAt(1.0, QColor(0, 30, 0, 70));
  painter.fillPath(body, round);
  painter.restore();
  SkinShading::outline(painter, body, kOutline, 2.0);
  QPainterPath mouth(QPointF(218, 342));
  mouth.cubicTo(QPointF(260, 352), QPointF(320, 352), QPointF(372, 340));
  SkinShading::outline(painter, mouth, kOutline, 2.2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kOutline);
  painter.drawEllipse(QPointF(236, 304), 3.2, 2.4);
  SkinShading::glint(painter, QPointF(500, 288), 46, 9, 6, 170);
  SkinShading::glint(painter, QPointF(262, 300), 12, 4, -30, 170);
}

void paintTympanum(QPainter& painter) {
  const QPointF centre(398, 318);
  QRadialGradient drum(centre + QPointF(-3, -3), 16);
  drum.setColorAt(0.0, QColor(150, 112, 80));
  drum.setColorAt(1.0, QColor(100, 70, 46));
  painter.setPen(QPen(QColor(70, 46, 30), 1.4));
  painter.setBrush(drum);
  painter.drawEllipse(centre, 15, 14);
}

// A large bulging eye: golden iris veined with dark, a horizontal pupil.
void paintEye(QPainter& painter) {
  const QPointF centre(326, 290);
  const qreal r = 33;
  painter.save();
  painter.setPen(QPen(kOutline, 2.0));
  painter.setBrush(kGreen.darker(120));
  painter.drawEllipse(centre, r + 5, r + 3);
  QRadialGradient iris(centre + QPointF(-8, -10), r);
  iris.setColorAt(0.0, QColor(246, 214, 120));
  iris.setColorAt(0.6, QColor(206, 160, 56));
  iris.setColorAt(1.0, QColor(120, 86, 30));
  painter.setPen(QPen(QColor(60, 40, 16), 1.4));
  painter.setBrush(iris);
  painter.drawEllipse(centre, r, r);
  painter.setPen(QPen(QColor(90, 60, 20, 120), 1.0));
  for (int i = 0; i < 14; ++i) {
    painter.drawLine(centre, Limb::towards(centre, i * 360.0 / 14 + 7, r * 0.95));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(8, 8, 8));
  painter.drawEllipse(centre, r * 0.62, r * 0.3);
  painter.restore();
  SkinShading::glint(painter, centre + QPointF(-12, -16), 10, 6, -25, 240);
}

Limb frogLimb(QPointF root, qreal upperAngle, qreal upperLength, qreal lowerAngle,
              qreal lowerLength, qreal footAngle, std::vector<Limb::Toe> toes, qreal width) {
  Limb::Design design;
  design.root = root;
  design.rootWidth = width;
  design.upperAngle = upperAngle;
  design.upperLength = upperLength;
  design.jointWidth = width * 0.8;
  design.lowerAngle = lowerAngle;
  design.lowerLength = lowerLength;
  design.wristWidth = width * 0.62;
  design.footAngle = footAngle;
  design.toes = std::move(toes);
  design.toeWidth = 8;
  design.tip = Limb::Tip::Pad;
  return Limb(design);
}

void paintLimb(QPainter& painter, const Limb& limb, QPointF light, bool shaded) {
  const QPainterPath skin = limb.skin().united(limb.pads());
  paintSkin(painter, skin, light);
  painter.fillPath(limb.pads(), QColor(190, 214, 140, 150));
  if (shaded) painter.fillPath(skin, QColor(0, 30, 0, 80));
  SkinShading::outline(painter, skin, kOutline, 1.6);
}

// The folded hind leg: thigh forwards along the flank, shank back, the long foot forwards on
// the twig with five toes.
void paintHindLeg(QPainter& painter) {
  const QPointF hip(646, 392), knee(526, 446), heel(684, 478);
  const QPainterPath thigh = Limb::taper(hip, knee, 86, 50);
  const QPainterPath shank = Limb::taper(knee, heel, 50, 30);
  const Limb foot = frogLimb(heel, 176, 60, 176, 46, 172,
                             {{-64, 30}, {-36, 44}, {-10, 58}, {18, 70}, {52, 52}}, 30);
  paintLimb(painter, foot, QPointF(600, 520), false);
  paintSkin(painter, shank, QPointF(600, 460));
  SkinShading::outline(painter, shank, kOutline, 1.8);
  paintSkin(painter, thigh, QPointF(600, 400));
  SkinShading::outline(painter, thigh, kOutline, 1.8);
  SkinShading::glint(painter, QPointF(600, 418), 34, 7, 156, 150);
}

void paintTreeFrog(QPainter& painter) {
  paintTwig(painter);
  painter.save();
  // The frog is drawn in its own units and set on the twig.
  painter.translate(490, 440);
  painter.rotate(-4);
  painter.scale(1.3, 1.3);
  painter.translate(-470, -420);
  const Limb farHand = frogLimb(QPointF(336, 430), 95, 26, 130, 30, 160,
                                {{-45, 22}, {-15, 30}, {15, 32}, {45, 24}}, 26);
  paintLimb(painter, farHand, QPointF(300, 500), true);
  SkinShading::softShadow(painter, bodyOutline(), QPointF(4, 10), 8, 40);
  paintBody(painter);
  paintHindLeg(painter);
  const Limb hand = frogLimb(QPointF(414, 426), 70, 34, 126, 34, 150,
                             {{-50, 24}, {-18, 34}, {14, 38}, {46, 28}}, 34);
  paintLimb(painter, hand, QPointF(380, 470), false);
  paintTympanum(painter);
  paintEye(painter);
  painter.restore();
}

}  // namespace

void TreeFrogDrawing::addTo(DrawingCatalog& catalog) {
  catalog.add("rainette-verte", paintTreeFrog);
}

}  // namespace sylvenor::draw
