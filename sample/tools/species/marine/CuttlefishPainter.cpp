#include "CuttlefishPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "MarineKit.h"
#include "PathKit.h"

namespace sylvenor::draw {

namespace {

const QPointF kMantleCentre(664, 378);
constexpr qreal kMantleLength = 246;  // half lengths
constexpr qreal kMantleWidth = 140;
const QPointF kHeadCentre(360, 378);

const QColor kSkin(176, 138, 96);
const QColor kSkinDark(92, 64, 40);
const QColor kStripe(52, 34, 24, 210);
const QColor kOutline(60, 40, 26);

// The mantle is an oval a little broader towards the head.
QPointF onMantle(qreal degrees, qreal scale = 1) {
  const qreal angle = qDegreesToRadians(degrees);
  const qreal broad = 1 + 0.08 * -std::cos(angle);
  return kMantleCentre + QPointF(kMantleLength * std::cos(angle) * scale,
                                 kMantleWidth * std::sin(angle) * broad * scale);
}

QPainterPath mantle(qreal scale = 1) {
  std::vector<QPointF> points;
  for (int step = 0; step < 36; ++step) points.push_back(onMantle(step * 10.0, scale));
  return MarineKit::smoothClosed(points);
}

// The fin runs along each side from behind the head to the rear, where both nearly meet; its
// free edge ripples.
QPainterPath fin() {
  std::vector<QPointF> points;
  for (int step = 0; step <= 60; ++step) {
    const qreal degrees = -164 + step * 328.0 / 60;
    const qreal ripple = 1 + (15 + 4 * std::sin(step * 0.9)) / kMantleWidth;
    points.push_back(onMantle(degrees, ripple));
  }
  for (int step = 60; step >= 0; --step) points.push_back(onMantle(-164 + step * 328.0 / 60, 0.97));
  return MarineKit::smoothClosed(points);
}

void paintFin(QPainter& painter) {
  const QPainterPath band = fin();
  painter.fillPath(band, QColor(222, 208, 186, 230));
  painter.save();
  painter.setClipPath(band, Qt::IntersectClip);
  painter.setPen(QPen(QColor(150, 120, 90, 110), 1.2));
  for (int step = 0; step <= 160; ++step) {
    const qreal degrees = -164 + step * 328.0 / 160;
    painter.drawLine(onMantle(degrees, 0.98), onMantle(degrees, 1.2));
  }
  painter.restore();
  MarineKit::outline(painter, band, QColor(120, 94, 70), 1.6);
}

struct Limb {
  qreal degrees;  // bearing from the head, 180 pointing left
  qreal length;
  qreal width;
};

QPainterPath limbLine(const Limb& limb, qreal curl) {
  const QPointF base = MarineKit::polar(kHeadCentre, 78, limb.degrees);
  return MarineKit::smoothOpen({base,
                                MarineKit::polar(base, limb.length * 0.5, limb.degrees + curl),
                                MarineKit::polar(base, limb.length, limb.degrees + curl * 2.2)});
}

// Eight arms in a loose fan, barred like the body.
void paintArms(QPainter& painter) {
  const Limb arms[] = {{150, 150, 34}, {210, 150, 34}, {160, 170, 36}, {200, 170, 36},
                       {168, 180, 36}, {192, 180, 36}, {176, 168, 34}, {184, 164, 34}};
  int index = 0;
  for (const Limb& limb : arms) {
    const qreal curl = (limb.degrees < 180 ? -6 : 6) * (index % 2 ? 1 : 0.4);
    const QPainterPath line = limbLine(limb, curl);
    const QPainterPath arm = MarineKit::taper(line, limb.width, 5);
    QLinearGradient shade(line.pointAtPercent(0), line.pointAtPercent(1));
    shade.setColorAt(0, kSkin);
    shade.setColorAt(1, kSkin.lighter(115));
    painter.fillPath(arm, shade);
    painter.save();
    painter.setClipPath(arm, Qt::IntersectClip);
    for (qreal t = 0.1; t < 0.95; t += 0.13) {
      const QPointF at = line.pointAtPercent(t);
      const QPointF along = line.pointAtPercent(t + 0.02) - at;
      const QPointF across =
          QPointF(-along.y(), along.x()) * (limb.width / std::hypot(along.x(), along.y()));
      MarineKit::outline(painter, PathKit::polyline({at - across, at + across}), kStripe,
                         7 * (1 - 0.5 * t));
    }
    painter.restore();
    MarineKit::outline(painter, arm, kOutline, 1.5);
    ++index;
  }
}

// The two tentacles are longer and end in a broad club set with suckers.
void paintTentacles(QPainter& painter, bool enlarged) {
  for (const Limb& limb : {Limb{172, 236, 11}, Limb{189, 230, 11}}) {
    const QPainterPath line = limbLine(limb, limb.degrees < 180 ? -4 : 5);
    const QPainterPath stalk = MarineKit::taper(line, limb.width, 8);
    painter.fillPath(stalk, QColor(226, 196, 170));
    MarineKit::outline(painter, stalk, kOutline, 1.3);
    const QPointF tip = line.pointAtPercent(1);
    const QPointF back = line.pointAtPercent(0.84);
    QPainterPath clubLine(back);
    clubLine.lineTo(tip);
    const QPainterPath club = MarineKit::taper(
        clubLine, [](qreal t) { return 10 + 10 * std::sin(M_PI * std::pow(t, 0.7)); });
    painter.fillPath(club, QColor(222, 186, 156));
    MarineKit::outline(painter, club, kOutline, 1.3);
    const int suckers = enlarged ? 9 : 6;
    for (int i = 1; i < suckers; ++i) {
      const QPointF at = back + (tip - back) * (qreal(i) / suckers);
      painter.setPen(QPen(QColor(120, 80, 60), 0.8));
      painter.setBrush(QColor(246, 226, 206));
      painter.drawEllipse(at, 3, 3);
    }
  }
}

void paintHead(QPainter& painter) {
  const QPainterPath head = MarineKit::smoothClosed({{420, 300},
                                                     {360, 286},
                                                     {286, 306},
                                                     {244, 350},
                                                     {240, 406},
                                                     {286, 450},
                                                     {360, 470},
                                                     {420, 456}});
  QRadialGradient shade(kHeadCentre + QPointF(10, -10), 130);
  shade.setColorAt(0, kSkin.lighter(112));
  shade.setColorAt(1, kSkinDark);
  painter.fillPath(head, shade);
  MarineKit::speckle(painter, head, 140, 4, QColor(70, 46, 30, 90), 163);
  MarineKit::speckle(painter, head, 40, 2.5, QColor(250, 240, 220, 120), 167);
  MarineKit::outline(painter, head, kOutline, 2);
}

// Large eyes bulge on each side of the head, half under a fold of skin; the pupil is a dark
// slit shaped like a W.
void paintEye(QPainter& painter, QPointF centre, qreal outward) {
  const QPainterPath ball = PathKit::ellipse(centre, 44, 30);
  QRadialGradient iris(centre + QPointF(-6, -6), 46);
  iris.setColorAt(0, QColor(226, 230, 206));
  iris.setColorAt(0.6, QColor(184, 176, 120));
  iris.setColorAt(1, QColor(104, 90, 56));
  painter.fillPath(ball, iris);
  painter.save();
  painter.setClipPath(ball, Qt::IntersectClip);
  for (int k = 0; k < 24; ++k) {
    painter.setPen(QPen(QColor(120, 110, 70, 70), 1));
    painter.drawLine(MarineKit::polar(centre, 14, k * 15.0),
                     MarineKit::polar(centre, 46, k * 15.0));
  }
  // A wide band with a gently waved lower edge: drawn as a line it would read as a letter.
  QPainterPath pupil(centre + QPointF(-28, -7));
  pupil.quadTo(centre + QPointF(0, -13), centre + QPointF(28, -7));
  pupil.cubicTo(centre + QPointF(24, 3), centre + QPointF(16, 6), centre + QPointF(9, 2));
  pupil.quadTo(centre + QPointF(0, -3), centre + QPointF(-9, 2));
  pupil.cubicTo(centre + QPointF(-16, 6), centre + QPointF(-24, 3), centre + QPointF(-28, -7));
  painter.fillPath(pupil, QColor(20, 16, 12));
  const QPainterPath lid = PathKit::ellipse(centre + QPointF(0, outward * 30), 56, 18);
  painter.fillPath(lid, kSkin.darker(110));
  MarineKit::outline(painter, lid, kOutline, 1.6);
  painter.restore();
  painter.fillPath(PathKit::ellipse(centre + QPointF(-16, -outward * 10), 6, 3.5),
                   QColor(255, 255, 255, 170));
  MarineKit::outline(painter, ball, kOutline, 2.4);
}

// Bold wavy bars across the back, broken up near the middle line.
void paintStripes(QPainter& painter, const QPainterPath& body) {
  std::mt19937 random(151);
  painter.save();
  painter.setClipPath(body, Qt::IntersectClip);
  for (qreal x = 440; x < 910; x += 32) {
    for (const qreal side : {-1.0, 1.0}) {
      QPainterPath bar(
          QPointF(x + MarineKit::uniform(random, -6, 6), kMantleCentre.y() + side * 170));
      bar.cubicTo(x + MarineKit::uniform(random, -14, 14), kMantleCentre.y() + side * 110,
                  x + MarineKit::uniform(random, -14, 14), kMantleCentre.y() + side * 60,
                  x + MarineKit::uniform(random, -8, 8),
                  kMantleCentre.y() + side * MarineKit::uniform(random, 8, 40));
      MarineKit::outline(painter, bar, kStripe, MarineKit::uniform(random, 9, 15));
    }
  }
  painter.restore();
}

// The cuttlebone lies just under the skin of the back: its pale outline and growth lines show.
void paintCuttlebone(QPainter& painter) {
  const QPainterPath bone = MarineKit::smoothClosed({{452, 378},
                                                     {500, 318},
                                                     {640, 286},
                                                     {790, 304},
                                                     {880, 354},
                                                     {898, 378},
                                                     {880, 402},
                                                     {790, 452},
                                                     {640, 470},
                                                     {500, 438}});
  painter.fillPath(bone, QColor(255, 250, 240, 55));
  painter.save();
  painter.setClipPath(bone, Qt::IntersectClip);
  for (qreal x = 640; x < 900; x += 20) {
    QPainterPath growth(QPointF(x + 40, 270));
    growth.quadTo(x - 60, 378, x + 40, 486);
    MarineKit::outline(painter, growth, QColor(255, 252, 244, 60), 2);
  }
  painter.restore();
  MarineKit::outline(painter, bone, QColor(255, 252, 244, 150), 3);
}

void paintBody(QPainter& painter) {
  const QPainterPath body = mantle();
  QRadialGradient shade(kMantleCentre + QPointF(-30, -20), kMantleLength * 1.05);
  shade.setColorAt(0, kSkin.lighter(118));
  shade.setColorAt(0.75, kSkin);
  shade.setColorAt(1, kSkinDark);
  painter.fillPath(body, shade);
  paintStripes(painter, body);
  paintCuttlebone(painter);
  MarineKit::speckle(painter, body, 90, 2.2, QColor(250, 244, 230, 120), 157);
  // A pale line runs along the base of the fin.
  MarineKit::outline(painter, mantle(0.965), QColor(250, 240, 220, 150), 3);
  MarineKit::outline(painter, body, kOutline, 2.2);
}

}  // namespace

void CuttlefishPainter::paint(QPainter& painter) {
  const bool enlarged = MarineKit::isEnlarged(painter);
  MarineKit::softShadow(painter, kMantleCentre + QPointF(-80, 30), 470, 180, 60);
  paintTentacles(painter, enlarged);
  paintArms(painter);
  paintFin(painter);
  paintHead(painter);
  paintBody(painter);
  paintEye(painter, {378, 306}, -1);
  paintEye(painter, {378, 450}, 1);
}

}  // namespace sylvenor::draw
