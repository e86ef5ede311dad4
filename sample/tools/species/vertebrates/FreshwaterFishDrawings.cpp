#include "FreshwaterFishDrawings.h"

#include <QPainter>

#include "DrawingCatalog.h"
#include "FishPainter.h"
#include "Scatter.h"
#include "SkinShading.h"

namespace sylvenor::draw {

namespace {

void setRoachFins(FishPainter::Design& design) {
  const FishFin::Colours grey{QColor(118, 126, 132, 215), QColor(160, 165, 168, 150),
                              QColor(70, 76, 82)};
  const FishFin::Colours red{QColor(222, 88, 44, 230), QColor(238, 128, 76, 175),
                             QColor(168, 56, 28)};
  design.finsBehind = {
      {QPointF(0.45, -0.93), QPointF(0.6, -0.93), -78, -30,
       Profile{{0, 118}, {0.15, 122}, {0.7, 58}, {1, 28}}, 12, 0, grey},
      {QPointF(0.985, -0.96), QPointF(0.985, 0.96), -30, 30,
       Profile{{0, 166}, {0.2, 140}, {0.5, 64}, {0.8, 140}, {1, 166}}, 19, 0, grey},
      {QPointF(0.67, 0.93), QPointF(0.79, 0.93), 74, 28,
       Profile{{0, 84}, {0.2, 86}, {0.7, 48}, {1, 28}}, 12, 0, red},
  };
  design.finsOver = {
      {QPointF(0.44, 0.8), QPointF(0.49, 0.88), 64, 28, Profile{{0, 92}, {0.3, 88}, {1, 42}}, 9, 0,
       red},
      {QPointF(0.245, 0.62), QPointF(0.255, 0.8), 30, 48, Profile{{0, 112}, {0.3, 104}, {1, 50}},
       15, 0, FishFin::Colours{QColor(226, 140, 96, 210), QColor(236, 170, 128, 150), red.ray}},
  };
}

void paintRoach(QPainter& painter) {
  FishPainter::Design design;
  design.snout = {100, 400};
  design.length = 680;
  design.arch = 8;
  design.back = {{0, 0},      {0.01, 20}, {0.04, 44}, {0.1, 74},  {0.2, 100}, {0.35, 118},
                 {0.46, 114}, {0.62, 88}, {0.8, 52},  {0.92, 37}, {1, 39}};
  design.belly = {{0, 0},     {0.01, 16}, {0.04, 36}, {0.1, 60},  {0.22, 86}, {0.4, 100},
                  {0.52, 95}, {0.67, 72}, {0.8, 45},  {0.92, 34}, {1, 37}};
  design.colours = {{-1.0, QColor(52, 72, 92)},     {-0.6, QColor(90, 114, 130)},
                    {-0.25, QColor(166, 182, 190)}, {0.05, QColor(214, 218, 222)},
                    {0.5, QColor(234, 234, 232)},   {1.0, QColor(240, 232, 220)}};
  design.outline = QColor(48, 58, 70);
  design.scales = {0.22,
                   1.0,
                   42,
                   14,
                   QColor(26, 42, 58, 150),
                   QColor(110, 110, 120, 110),
                   QColor(255, 255, 255, 105)};
  design.lateralLine = {{0.2, -0.1}, {0.5, 0.22}, {0.75, 0.14}, {1.0, 0.0}};
  design.lateralLineColour = QColor(50, 55, 65, 200);
  design.gillT = 0.225;
  design.gillCurve = 0.04;
  design.eye = {0.08, -0.16};
  design.eyeRadius = 19;
  design.iris = QColor(196, 38, 28);
  design.mouthCorner = {0.035, 0.2};
  setRoachFins(design);
  FishPainter(design).paint(painter);
}

// Black spots on the back and the gill cover; red ones ringed with pale halos lower down.
void paintTroutSpots(QPainter& painter, const BodyShape& body) {
  painter.save();
  painter.setPen(Qt::NoPen);
  for (const QPointF& tv : Scatter::onBody(body, 11, 70, QRectF(0.1, -0.85, 0.75, 0.85), 26)) {
    const qreal r = 6.5 - 2.5 * tv.x();
    painter.setBrush(QColor(28, 22, 18, 235));
    painter.drawEllipse(body.at(tv.x(), tv.y()), r * 1.1, r);
  }
  for (const QPointF& tv : Scatter::onBody(body, 23, 24, QRectF(0.25, -0.25, 0.58, 0.7), 40)) {
    const QPointF centre = body.at(tv.x(), tv.y());
    painter.setBrush(QColor(236, 226, 214, 235));
    painter.drawEllipse(centre, 12.5, 11.5);
    painter.setBrush(QColor(204, 40, 30));
    painter.drawEllipse(centre, 7.5, 7);
  }
  painter.restore();
}

void setTroutFins(FishPainter::Design& design) {
  const FishFin::Colours olive{QColor(150, 128, 80, 225), QColor(176, 156, 110, 170),
                               QColor(96, 78, 44)};
  const FishFin::Colours yellow{QColor(214, 180, 106, 225), QColor(230, 204, 150, 170), olive.ray};
  design.finsBehind = {
      {QPointF(0.4, -0.93), QPointF(0.53, -0.93), -80, -32,
       Profile{{0, 92}, {0.2, 94}, {0.8, 52}, {1, 34}}, 13, 0, olive},
      {QPointF(0.79, -0.95), QPointF(0.86, -0.95), -95, -4, Profile{{0, 6}, {0.45, 30}, {1, 22}}, 0,
       0, FishFin::Colours{QColor(150, 118, 70), QColor(214, 104, 52), olive.ray}},
      {QPointF(0.985, -0.97), QPointF(0.985, 0.97), -22, 22,
       Profile{{0, 130}, {0.25, 118}, {0.5, 110}, {0.75, 118}, {1, 130}}, 19, 0, olive},
      {QPointF(0.71, 0.93), QPointF(0.8, 0.93), 78, 30,
       Profile{{0, 80}, {0.2, 82}, {0.8, 46}, {1, 32}}, 11, 0, yellow},
  };
  design.finsOver = {
      {QPointF(0.5, 0.82), QPointF(0.55, 0.9), 62, 26, Profile{{0, 78}, {0.3, 76}, {1, 40}}, 9, 0,
       yellow},
      {QPointF(0.245, 0.6), QPointF(0.255, 0.8), 30, 52, Profile{{0, 100}, {0.3, 96}, {1, 46}}, 13,
       0, yellow},
  };
}

void paintTrout(QPainter& painter) {
  FishPainter::Design design;
  design.snout = {90, 385};
  design.length = 700;
  design.arch = 4;
  design.back = {{0, 0},    {0.012, 16}, {0.05, 38}, {0.12, 60}, {0.25, 80},
                 {0.4, 86}, {0.55, 78},  {0.75, 54}, {0.9, 38},  {1, 40}};
  design.belly = {{0, 0},     {0.012, 18}, {0.05, 40}, {0.14, 62}, {0.3, 76},
                  {0.45, 80}, {0.6, 70},   {0.78, 46}, {0.9, 36},  {1, 39}};
  design.colours = {{-1.0, QColor(70, 62, 36)},    {-0.55, QColor(116, 100, 52)},
                    {-0.15, QColor(184, 152, 72)}, {0.25, QColor(214, 182, 96)},
                    {0.6, QColor(232, 212, 150)},  {1.0, QColor(242, 234, 206)}};
  design.outline = QColor(60, 48, 26);
  design.scales = {0.23,
                   1.0,
                   84,
                   26,
                   QColor(40, 30, 10, 70),
                   QColor(110, 90, 50, 50),
                   QColor(255, 250, 220, 55)};
  design.lateralLine = {{0.2, -0.12}, {0.6, -0.04}, {1.0, 0.0}};
  design.lateralLineColour = QColor(70, 56, 30, 190);
  design.gillT = 0.23;
  design.gillCurve = 0.035;
  design.eye = {0.075, -0.3};
  design.eyeRadius = 15;
  design.iris = QColor(184, 142, 60);
  design.mouthCorner = {0.12, 0.3};
  design.pattern = paintTroutSpots;
  setTroutFins(design);
  FishPainter(design).paint(painter);
}

// Pale bean-shaped spots in loose rows along the flanks of a pike.
void paintPikeBeans(QPainter& painter, const BodyShape& body) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(214, 210, 140, 200));
  for (const QPointF& tv : Scatter::onBody(body, 5, 120, QRectF(0.26, -0.7, 0.72, 1.25), 24)) {
    const QPointF centre = body.at(tv.x(), tv.y());
    painter.save();
    painter.translate(centre);
    painter.rotate(body.spine().angleAt(tv.x()) - 12);
    QPainterPath bean;
    bean.moveTo(-10, 0);
    bean.cubicTo(-10, -6, 10, -7, 10, -1);
    bean.cubicTo(10, 4, 3, 2, 0, 3);
    bean.cubicTo(-4, 5, -10, 5, -10, 0);
    painter.drawPath(bean);
    painter.restore();
  }
  painter.restore();
}

void paintPikeMouth(QPainter& painter, const BodyShape& body) {
  const QPointF tip = body.at(0.004, 0.1);
  const QPointF corner = body.at(0.155, 0.22);
  QPainterPath lips(tip);
  lips.cubicTo(body.at(0.06, 0.12), body.at(0.12, 0.16), corner);
  SkinShading::outline(painter, lips, QColor(40, 46, 24, 230), 2.6);
  SkinShading::outline(painter, lips.translated(0, 2.6), QColor(255, 255, 255, 90), 1.4);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(40, 46, 24, 200));
  painter.drawEllipse(body.at(0.06, -0.45), 2.4, 1.8);
  painter.drawEllipse(body.at(0.075, -0.5), 2.4, 1.8);
  painter.restore();
}

void setPikeFins(FishPainter::Design& design) {
  const FishFin::Colours rust{QColor(158, 112, 62, 225), QColor(186, 134, 82, 170),
                              QColor(92, 64, 34)};
  design.finsBehind = {
      {QPointF(0.72, -0.93), QPointF(0.87, -0.9), -66, -20,
       Profile{{0, 74}, {0.3, 80}, {0.8, 56}, {1, 36}}, 16, 0, rust},
      {QPointF(0.985, -0.97), QPointF(0.985, 0.97), -28, 28,
       Profile{{0, 120}, {0.25, 104}, {0.5, 72}, {0.75, 104}, {1, 120}}, 19, 0, rust},
      {QPointF(0.74, 0.93), QPointF(0.88, 0.9), 66, 22,
       Profile{{0, 70}, {0.3, 74}, {0.8, 52}, {1, 34}}, 14, 0, rust},
  };
  design.finsOver = {
      {QPointF(0.5, 0.82), QPointF(0.54, 0.9), 58, 26, Profile{{0, 66}, {0.3, 64}, {1, 34}}, 9, 0,
       rust},
      {QPointF(0.28, 0.62), QPointF(0.29, 0.82), 28, 48, Profile{{0, 74}, {0.3, 70}, {1, 36}}, 13,
       0, rust},
  };
}

void paintPike(QPainter& painter) {
  FishPainter::Design design;
  design.snout = {70, 380};
  design.length = 750;
  design.arch = 0;
  design.back = {{0, 0},     {0.004, 8}, {0.015, 13}, {0.06, 19}, {0.12, 27}, {0.18, 36},
                 {0.25, 47}, {0.4, 58},  {0.6, 57},   {0.8, 46},  {0.92, 33}, {1, 35}};
  design.belly = {{0, 0},    {0.004, 9}, {0.015, 15}, {0.06, 22}, {0.12, 31}, {0.2, 42},
                  {0.3, 54}, {0.5, 64},  {0.7, 58},   {0.85, 42}, {0.93, 33}, {1, 34}};
  design.colours = {{-1.0, QColor(40, 58, 30)},    {-0.5, QColor(72, 96, 44)},
                    {0.0, QColor(104, 128, 62)},   {0.45, QColor(150, 164, 98)},
                    {0.75, QColor(222, 220, 190)}, {1.0, QColor(240, 238, 222)}};
  design.outline = QColor(34, 44, 22);
  design.scales = {
      0.27, 1.0, 80, 20, QColor(20, 30, 10, 90), QColor(80, 90, 60, 60), QColor(250, 255, 220, 60)};
  design.lateralLine = {{0.25, -0.1}, {1.0, 0.0}};
  design.lateralLineColour = QColor(40, 50, 24, 170);
  design.gillT = 0.27;
  design.gillCurve = 0.035;
  design.eye = {0.16, -0.5};
  design.eyeRadius = 13;
  design.iris = QColor(206, 176, 70);
  design.pattern = paintPikeBeans;
  design.mouth = paintPikeMouth;
  setPikeFins(design);
  FishPainter(design).paint(painter);
}

}  // namespace

void FreshwaterFishDrawings::addTo(DrawingCatalog& catalog) {
  catalog.add("gardon", paintRoach);
  catalog.add("truite-fario", paintTrout);
  catalog.add("brochet", paintPike);
}

}  // namespace sylvenor::draw
