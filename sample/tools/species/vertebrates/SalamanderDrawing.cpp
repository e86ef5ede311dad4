#include "SalamanderDrawing.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <random>

#include "BodyShape.h"
#include "DrawingCatalog.h"
#include "Limb.h"
#include "SkinShading.h"

namespace sylvenor::draw {

namespace {

const QColor kBlack(24, 24, 28);
const QColor kYellow(246, 196, 28);
const QColor kOutline(8, 8, 10);

BodyShape salamanderBody() {
  QPainterPath spine(QPointF(80, 300));
  spine.cubicTo(250, 250, 470, 360, 620, 360);
  spine.cubicTo(780, 360, 880, 420, 880, 600);
  const Spine line(spine);
  const qreal length = line.length();
  std::vector<QPointF> knots;
  const qreal widths[][2] = {{0, 0},    {6, 30},   {22, 54},  {55, 70},  {88, 76},  {122, 80},
                             {150, 64}, {185, 66}, {280, 74}, {420, 74}, {500, 64}, {540, 54},
                             {590, 44}, {740, 28}, {900, 13}, {956, 3}};
  for (const auto& knot : widths) knots.emplace_back(knot[0] / length, knot[1]);
  const Profile width(knots);
  return BodyShape(line, width, width);
}

// Stout legs: four short fingers in front, five toes behind, blunt and without claws.
std::vector<Limb> salamanderLegs(const BodyShape& body) {
  struct Pose {
    qreal at;
    int side;
    qreal upper, lower, foot;
    bool hind;
  };
  const Pose poses[] = {{165, -1, 100, 60, 55, false},
                        {175, 1, 110, 135, 115, false},
                        {505, -1, 100, 145, 125, true},
                        {497, 1, 80, 95, 65, true}};
  std::vector<Limb> legs;
  for (const Pose& pose : poses) {
    const qreal t = pose.at / body.length();
    // Angles of a pose are measured from the direction the animal faces, towards its side.
    const qreal forward = body.spine().angleAt(t) + 180;
    Limb::Design design;
    design.root = body.at(t, pose.side * 0.55);
    design.rootWidth = pose.hind ? 54 : 48;
    design.upperAngle = forward - pose.side * pose.upper;
    design.upperLength = pose.hind ? 66 : 58;
    design.jointWidth = pose.hind ? 38 : 36;
    design.lowerAngle = forward - pose.side * pose.lower;
    design.lowerLength = pose.hind ? 50 : 44;
    design.wristWidth = pose.hind ? 32 : 30;
    design.footAngle = forward - pose.side * pose.foot;
    const std::vector<Limb::Toe> front = {{-48, 22}, {-16, 32}, {14, 34}, {46, 23}};
    const std::vector<Limb::Toe> back = {{-56, 22}, {-28, 33}, {0, 40}, {28, 36}, {58, 24}};
    for (const Limb::Toe& toe : pose.hind ? back : front) {
      design.toes.push_back({-toe.angle * pose.side, toe.length});
    }
    design.toeWidth = 11;
    design.tip = Limb::Tip::Round;
    legs.emplace_back(design);
  }
  return legs;
}

// An irregular rounded patch: its radius wanders smoothly around the centre.
QPainterPath blotch(std::mt19937& random, QPointF centre, qreal size, qreal angle) {
  std::uniform_real_distribution<qreal> unit(0.0, 1.0);
  const qreal a2 = 0.22 * unit(random), p2 = 6.3 * unit(random);
  const qreal a3 = 0.18 * unit(random), p3 = 6.3 * unit(random);
  const qreal a5 = 0.08 * unit(random), p5 = 6.3 * unit(random);
  const qreal stretch = 1.2 + 0.5 * unit(random);
  QPainterPath shape;
  constexpr int kSteps = 48;
  for (int i = 0; i <= kSteps; ++i) {
    const qreal a = 2 * M_PI * i / kSteps;
    const qreal r = size * (1 + a2 * std::sin(2 * a + p2) + a3 * std::sin(3 * a + p3) +
                            a5 * std::sin(5 * a + p5));
    const QPointF point(r * stretch * std::cos(a) * 0.62, r * std::sin(a) * 0.62);
    if (i == 0) {
      shape.moveTo(point);
    } else {
      shape.lineTo(point);
    }
  }
  QTransform transform;
  transform.translate(centre.x(), centre.y());
  transform.rotate(angle);
  return transform.map(shape);
}

// Irregular yellow blotches in two rough rows along the back and tail, and on the eyelids.
void paintBlotches(QPainter& painter, const BodyShape& body) {
  std::mt19937 random(77);
  std::uniform_real_distribution<qreal> unit(0.0, 1.0);
  const qreal length = body.length();
  for (qreal s = 190; s < length * 0.95; s += 66) {
    for (const int side : {-1, 1}) {
      if (unit(random) < 0.25) continue;
      const qreal t = (s + (side > 0 ? 30 : 0) + unit(random) * 16) / length;
      const qreal v = side * (0.3 + 0.3 * unit(random));
      const qreal size = (26 + 16 * unit(random)) * (1.1 - 0.6 * t);
      painter.fillPath(blotch(random, body.at(t, v), size, body.spine().angleAt(t)), kYellow);
    }
  }
  for (const int side : {-1, 1}) {
    painter.fillPath(
        blotch(random, body.at(62 / length, side * 0.5), 20, body.spine().angleAt(0.06)), kYellow);
  }
}

void paintParotoids(QPainter& painter, const BodyShape& body) {
  const qreal t = 122 / body.length();
  for (const int side : {-1, 1}) {
    const QPointF centre = body.at(t, side * 0.58);
    const qreal angle = body.spine().angleAt(t);
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    QRadialGradient bulge(QPointF(-8, -side * 8), 44);
    bulge.setColorAt(0.0, kYellow.lighter(125));
    bulge.setColorAt(0.7, kYellow);
    bulge.setColorAt(1.0, kYellow.darker(150));
    painter.setPen(QPen(SkinShading::withAlpha(kOutline, 160), 1.4));
    painter.setBrush(bulge);
    QPainterPath gland(QPointF(-40, 0));
    gland.cubicTo(QPointF(-40, -26 * side), QPointF(30, -30 * side), QPointF(40, -6 * side));
    gland.cubicTo(QPointF(44, 10 * side), QPointF(20, 18 * side), QPointF(0, 10 * side));
    gland.cubicTo(QPointF(-16, 20 * side), QPointF(-40, 22 * side), QPointF(-40, 0));
    painter.drawPath(gland);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 46, 8, 190));
    // The openings of the poison glands.
    const qreal pores[][2] = {{-28, -4}, {-18, -12}, {-8, -6}, {2, -14}, {12, -8},
                              {22, -14}, {30, -4},   {-22, 6}, {-4, 2},  {16, 2}};
    for (const auto& pore : pores) {
      painter.drawEllipse(QPointF(pore[0], pore[1] * side), 1.8, 1.6);
    }
    painter.restore();
    SkinShading::glint(painter, centre + QPointF(-10, -10), 12, 4.5, angle, 200);
  }
}

void paintEyes(QPainter& painter, const BodyShape& body) {
  const qreal t = 56 / body.length();
  for (const int side : {-1, 1}) {
    const QPointF centre = body.at(t, side * 0.84);
    painter.save();
    painter.translate(centre);
    painter.rotate(body.spine().angleAt(t));
    QRadialGradient eye(QPointF(-3, -3), 19);
    eye.setColorAt(0.0, QColor(60, 56, 50));
    eye.setColorAt(1.0, QColor(4, 4, 6));
    painter.setPen(QPen(kOutline, 1.5));
    painter.setBrush(eye);
    painter.drawEllipse(QPointF(0, 0), 20, 15);
    painter.restore();
    SkinShading::glint(painter, centre + QPointF(-5, -5), 5, 3.5, 0, 240);
  }
}

// Shallow grooves down the flanks between the ribs.
void paintGrooves(QPainter& painter, const BodyShape& body) {
  const qreal length = body.length();
  painter.setBrush(Qt::NoBrush);
  for (qreal s = 205; s < 500; s += 28) {
    for (const int side : {-1, 1}) {
      QPainterPath groove(body.at(s / length, side * 0.72));
      groove.lineTo(body.at((s + 3) / length, side * 0.98));
      painter.setPen(QPen(QColor(0, 0, 0, 120), 2.4, Qt::SolidLine, Qt::RoundCap));
      painter.drawPath(groove);
      painter.setPen(QPen(QColor(255, 255, 255, 40), 1.0, Qt::SolidLine, Qt::RoundCap));
      painter.drawPath(groove.translated(1.5, 1.5));
    }
  }
}

void paintGlints(QPainter& painter, const BodyShape& body) {
  const qreal length = body.length();
  for (qreal s = 60; s < length * 0.9; s += 70) {
    const qreal t = s / length;
    SkinShading::glint(painter, body.at(t, -0.25), 16 * (1.1 - t), 3.2, body.spine().angleAt(t),
                       150);
  }
}

void paintLegs(QPainter& painter, const std::vector<Limb>& legs) {
  for (const Limb& leg : legs) {
    const QPainterPath skin = leg.skin();
    QRadialGradient gloss(leg.joint() + QPointF(-6, -6), 60);
    gloss.setColorAt(0.0, kBlack.lighter(180));
    gloss.setColorAt(1.0, kBlack);
    painter.fillPath(skin, gloss);
    painter.save();
    painter.setClipPath(skin);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kYellow);
    painter.drawEllipse((leg.joint() * 2 + leg.wrist()) / 3, 13, 10);
    painter.restore();
    SkinShading::outline(painter, skin, kOutline, 1.6);
    SkinShading::glint(painter, leg.joint() + QPointF(-4, -6), 7, 3, 20, 170);
  }
}

void paintFireSalamander(QPainter& painter) {
  const BodyShape body = salamanderBody();
  const std::vector<Limb> legs = salamanderLegs(body);
  QPainterPath silhouette = body.outline();
  for (const Limb& leg : legs) silhouette = silhouette.united(leg.skin());
  SkinShading::softShadow(painter, silhouette, QPointF(4, 8), 9, 60);
  paintLegs(painter, legs);
  const QPainterPath outline = body.outline();
  painter.fillPath(outline, kBlack);
  painter.save();
  painter.setClipPath(outline);
  paintBlotches(painter, body);
  paintGrooves(painter, body);
  SkinShading::sheen(painter, body, -0.2, 0.35, QColor(255, 255, 255, 70));
  SkinShading::shadeEdges(painter, body, QColor(0, 0, 0, 150), 0.5);
  paintGlints(painter, body);
  painter.restore();
  SkinShading::outline(painter, outline, kOutline, 1.8);
  paintParotoids(painter, body);
  paintEyes(painter, body);
}

}  // namespace

void SalamanderDrawing::addTo(DrawingCatalog& catalog) {
  catalog.add("salamandre-tachetee", paintFireSalamander);
}

}  // namespace sylvenor::draw
