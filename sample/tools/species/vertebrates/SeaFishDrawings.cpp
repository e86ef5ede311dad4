#include "SeaFishDrawings.h"

#include <QPainter>
#include <QRadialGradient>
#include <random>

#include "DrawingCatalog.h"
#include "FishPainter.h"
#include "SkinShading.h"

namespace sylvenor::draw {

namespace {

// The row of dark spots behind the gill cover.
void paintSardineSpots(QPainter& painter, const BodyShape& body) {
  painter.save();
  painter.setPen(Qt::NoPen);
  const qreal spots[][3] = {{0.27, -0.3, 7.5},  {0.33, -0.29, 6.5}, {0.39, -0.28, 6},
                            {0.45, -0.27, 5.5}, {0.51, -0.26, 5},   {0.57, -0.25, 4.2},
                            {0.31, -0.52, 4.5}, {0.38, -0.5, 4}};
  for (const auto& spot : spots) {
    QRadialGradient gradient(body.at(spot[0], spot[1]), spot[2]);
    gradient.setColorAt(0.0, QColor(24, 40, 56, 235));
    gradient.setColorAt(0.7, QColor(24, 40, 56, 200));
    gradient.setColorAt(1.0, QColor(24, 40, 56, 0));
    painter.setBrush(gradient);
    painter.drawEllipse(body.at(spot[0], spot[1]), spot[2], spot[2]);
  }
  painter.restore();
}

// The bony ridges that radiate on the gill cover.
void paintSardineGillRidges(QPainter& painter, const BodyShape& body) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(120, 140, 150, 120), 1.3));
  for (int i = 0; i < 7; ++i) {
    const qreal v = -0.1 + i * 0.15;
    QPainterPath ridge(body.at(0.17, -0.2 + i * 0.05));
    ridge.quadTo(body.at(0.19, v * 0.8), body.at(0.215, v));
    painter.drawPath(ridge);
  }
  painter.restore();
}

void setSardineFins(FishPainter::Design& design) {
  const FishFin::Colours grey{QColor(150, 164, 170, 200), QColor(186, 196, 200, 140),
                              QColor(86, 100, 110)};
  design.finsBehind = {
      {QPointF(0.43, -0.95), QPointF(0.55, -0.95), -74, -30,
       Profile{{0, 82}, {0.2, 84}, {0.7, 40}, {1, 22}}, 15, 0, grey},
      {QPointF(0.985, -0.96), QPointF(0.985, 0.96), -32, 32,
       Profile{{0, 178}, {0.25, 130}, {0.5, 58}, {0.75, 130}, {1, 178}}, 19, 0,
       FishFin::Colours{QColor(120, 150, 160, 210), grey.edge, grey.ray}},
      {QPointF(0.8, 0.95), QPointF(0.9, 0.95), 70, 40,
       Profile{{0, 40}, {0.6, 26}, {0.85, 22}, {1, 34}}, 16, 0, grey},
  };
  design.finsOver = {
      {QPointF(0.5, 0.86), QPointF(0.53, 0.92), 56, 28, Profile{{0, 56}, {0.3, 54}, {1, 30}}, 8, 0,
       grey},
      {QPointF(0.215, 0.66), QPointF(0.225, 0.84), 26, 44, Profile{{0, 80}, {0.3, 74}, {1, 36}}, 15,
       0, grey},
  };
}

void paintSardine(QPainter& painter) {
  FishPainter::Design design;
  design.snout = {92, 380};
  design.length = 690;
  design.arch = -3;
  design.back = {{0, 0},     {0.012, 14}, {0.05, 32}, {0.14, 54}, {0.3, 68},
                 {0.45, 70}, {0.62, 60},  {0.8, 40},  {0.92, 26}, {1, 28}};
  design.belly = {{0, 0},    {0.012, 12}, {0.05, 30}, {0.16, 60}, {0.35, 76},
                  {0.5, 76}, {0.66, 62},  {0.82, 38}, {0.92, 26}, {1, 27}};
  design.colours = {{-1.0, QColor(28, 78, 98)},    {-0.7, QColor(44, 108, 118)},
                    {-0.45, QColor(96, 150, 158)}, {-0.25, QColor(188, 206, 212)},
                    {0.1, QColor(222, 228, 232)},  {1.0, QColor(244, 245, 246)}};
  design.outline = QColor(36, 66, 82);
  design.scales = {0.215,
                   1.0,
                   30,
                   11,
                   QColor(30, 70, 90, 150),
                   QColor(130, 140, 150, 120),
                   QColor(255, 255, 255, 140)};
  design.lateralLine = {{0.0, 0.0}};
  design.lateralLineColour = Qt::transparent;
  design.gillT = 0.215;
  design.gillCurve = 0.03;
  design.eye = {0.075, -0.2};
  design.eyeRadius = 18;
  design.iris = QColor(190, 196, 200);
  design.mouthCorner = {0.05, 0.12};
  design.pattern = paintSardineGillRidges;
  design.markings = paintSardineSpots;
  setSardineFins(design);
  FishPainter(design).paint(painter);
}

// Pale irregular blotches in loose vertical series over the brown body: each is a few merged
// ovals, so that none looks like a round dot.
void paintGrouperBlotches(QPainter& painter, const BodyShape& body) {
  std::mt19937 random(31);
  std::uniform_real_distribution<qreal> unit(0.0, 1.0);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(214, 194, 150, 185));
  for (int column = 0; column < 11; ++column) {
    const qreal t = 0.06 + column * 0.085 + (column % 2) * 0.02;
    for (qreal v = -0.82 + (column % 2) * 0.16; v < 0.85; v += 0.34) {
      if (unit(random) < 0.2) continue;
      const QPointF tv(t + (unit(random) - 0.5) * 0.03, v + (unit(random) - 0.5) * 0.12);
      const QPointF centre = body.at(tv.x(), tv.y());
      const qreal size = 8 + 6 * unit(random);
      QPainterPath blotch;
      blotch.setFillRule(Qt::WindingFill);
      for (int lobe = 0; lobe < 4; ++lobe) {
        const QPointF offset((unit(random) - 0.5) * size, (unit(random) - 0.5) * size * 1.6);
        blotch.addEllipse(centre + offset, size * (0.6 + 0.5 * unit(random)),
                          size * (0.7 + 0.6 * unit(random)));
      }
      painter.drawPath(blotch.simplified());
    }
  }
  painter.restore();
}

// A big mouth: the lower jaw juts out in front of the upper one, the upper jaw bone reaches back
// below the eye.
void paintGrouperMouth(QPainter& painter, const BodyShape& body) {
  const QPointF corner = body.at(0.2, 0.3);
  QPainterPath lips(body.at(0.038, -0.3));
  lips.cubicTo(body.at(0.06, 0.05), body.at(0.13, 0.2), corner);
  SkinShading::outline(painter, lips, QColor(36, 22, 14), 3.4);
  SkinShading::outline(painter, lips.translated(0, 3.4), QColor(255, 230, 200, 70), 1.6);
  QPainterPath maxilla(body.at(0.07, -0.2));
  maxilla.cubicTo(body.at(0.14, -0.12), body.at(0.19, 0.02), body.at(0.205, 0.28));
  SkinShading::outline(painter, maxilla, QColor(44, 28, 18, 150), 1.8);
  // The three flat spines at the rear of the gill cover.
  painter.save();
  painter.setPen(QPen(QColor(40, 24, 14, 170), 1.0));
  painter.setBrush(QColor(70, 46, 30, 120));
  for (int i = 0; i < 3; ++i) {
    const qreal v = -0.3 + i * 0.18;
    const QPointF base = body.at(0.27, v);
    const QPointF tip = body.at(0.305, v + 0.02);
    painter.drawPolygon(QPolygonF({base + QPointF(0, -4), tip, base + QPointF(0, 4)}));
  }
  painter.restore();
}

void setGrouperFins(FishPainter::Design& design) {
  const FishFin::Colours brown{QColor(86, 58, 40, 235), QColor(120, 84, 56, 220),
                               QColor(52, 34, 22)};
  const FishFin::Colours paleRimmed{brown.membrane, QColor(226, 212, 176, 230), brown.ray};
  design.finsBehind = {
      {QPointF(0.32, -0.96), QPointF(0.83, -0.94), -100, -30,
       Profile{{0, 44}, {0.12, 70}, {0.42, 62}, {0.5, 62}, {0.7, 96}, {0.9, 74}, {1, 36}}, 26, 11,
       brown},
      {QPointF(0.985, -0.97), QPointF(0.985, 0.97), -38, 38,
       Profile{{0, 118}, {0.3, 144}, {0.5, 150}, {0.7, 144}, {1, 118}}, 17, 0, paleRimmed},
      {QPointF(0.72, 0.94), QPointF(0.86, 0.93), 80, 34,
       Profile{{0, 40}, {0.2, 70}, {0.5, 92}, {0.8, 80}, {1, 40}}, 11, 3, paleRimmed},
  };
  design.finsOver = {
      {QPointF(0.36, 0.84), QPointF(0.4, 0.92), 76, 36, Profile{{0, 96}, {0.4, 100}, {1, 56}}, 6, 1,
       brown},
      {QPointF(0.35, 0.08), QPointF(0.355, 0.36), -2, 58,
       Profile{{0, 84}, {0.3, 112}, {0.6, 114}, {1, 70}}, 17, 0,
       FishFin::Colours{brown.membrane, QColor(170, 120, 74, 225), brown.ray}},
  };
}

void paintGrouper(QPainter& painter) {
  FishPainter::Design design;
  design.snout = {130, 390};
  design.length = 630;
  design.arch = 10;
  design.back = {{0, 0},      {0.03, 5},  {0.042, 28}, {0.08, 58}, {0.16, 100}, {0.28, 126},
                 {0.42, 134}, {0.6, 118}, {0.78, 80},  {0.92, 60}, {1, 62}};
  design.belly = {{0, 4},      {0.008, 16}, {0.04, 36}, {0.1, 66},  {0.2, 104}, {0.34, 124},
                  {0.48, 124}, {0.64, 106}, {0.8, 72},  {0.92, 58}, {1, 60}};
  design.colours = {{-1.0, QColor(52, 32, 22)},
                    {-0.5, QColor(84, 52, 34)},
                    {0.1, QColor(110, 70, 44)},
                    {0.6, QColor(146, 104, 64)},
                    {1.0, QColor(190, 152, 96)}};
  design.outline = QColor(44, 28, 18);
  design.scales = {0.31,
                   1.0,
                   60,
                   26,
                   QColor(30, 18, 10, 120),
                   QColor(60, 40, 20, 100),
                   QColor(255, 230, 190, 70)};
  design.lateralLine = {{0.3, -0.62}, {0.6, -0.5}, {0.85, -0.25}, {1.0, 0.0}};
  design.lateralLineColour = QColor(40, 24, 14, 200);
  design.gillT = 0.31;
  design.gillCurve = 0.05;
  design.eye = {0.13, -0.46};
  design.eyeRadius = 16;
  design.iris = QColor(176, 132, 64);
  design.pattern = paintGrouperBlotches;
  design.mouth = paintGrouperMouth;
  setGrouperFins(design);
  FishPainter(design).paint(painter);
}

}  // namespace

void SeaFishDrawings::addTo(DrawingCatalog& catalog) {
  catalog.add("sardine", paintSardine);
  catalog.add("merou-brun", paintGrouper);
}

}  // namespace sylvenor::draw
