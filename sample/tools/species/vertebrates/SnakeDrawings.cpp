#include "SnakeDrawings.h"

#include <QPainter>

#include "DrawingCatalog.h"
#include "SnakePainter.h"

namespace sylvenor::draw {

namespace {

// A patch across the body between two distances from the neck, in canvas units, each edge bent
// by `curve` towards the tail on the flanks so that it reads as a crescent.
QPainterPath crossBand(const BodyShape& body, qreal from, qreal to, qreal v0, qreal v1,
                       qreal curve) {
  constexpr int kSteps = 12;
  std::vector<QPointF> tv;
  const qreal length = body.length();
  for (int i = 0; i <= kSteps; ++i) {
    const qreal v = v0 + (v1 - v0) * i / kSteps;
    tv.emplace_back((from + curve * std::abs(v)) / length, v);
  }
  for (int i = kSteps; i >= 0; --i) {
    const qreal v = v0 + (v1 - v0) * i / kSteps;
    tv.emplace_back((to + curve * std::abs(v)) / length, v);
  }
  return body.polygon(tv);
}

// Olive-grey with small dark bars low on the flanks and two rows of small spots on the back,
// behind a pale yellow collar and a black crescent.
void paintGrassSnakePattern(QPainter& painter, const BodyShape& body) {
  const qreal length = body.length();
  const QColor dark(34, 34, 26);
  for (int side : {-1, 1}) {
    painter.fillPath(crossBand(body, 14, 44, side * 0.12, side * 1.0, 10), QColor(246, 230, 120));
    for (qreal s = 100 + (side > 0 ? 17 : 0); s < length * 0.86; s += 34) {
      painter.fillPath(crossBand(body, s, s + 9, side * 0.6, side * 1.0, 2), dark);
      painter.fillPath(crossBand(body, s + 14, s + 19, side * 0.26, side * 0.4, 0),
                       QColor(40, 40, 30, 200));
    }
  }
  painter.fillPath(crossBand(body, 44, 72, -1.0, 1.0, 12), QColor(20, 20, 16));
}

void paintGrassSnake(QPainter& painter) {
  SnakePainter::Design design;
  design.spine.moveTo(210, 215);
  design.spine.cubicTo(430, 150, 770, 160, 810, 300);
  design.spine.cubicTo(850, 430, 320, 320, 250, 470);
  design.spine.cubicTo(190, 600, 520, 650, 760, 610);
  design.spine.cubicTo(850, 595, 910, 570, 930, 530);
  design.halfWidth = {{0, 30},    {26, 28},   {60, 24},   {150, 31}, {500, 36},
                      {1300, 35}, {1600, 26}, {1800, 13}, {2000, 4}, {2060, 1}};
  design.skin = QColor(118, 122, 94);
  design.outline = QColor(38, 40, 28);
  design.scaleRows = 13;
  design.scaleLength = 12;
  design.scales = {QColor(28, 30, 20, 150), QColor(255, 255, 235, 50), 0.8, true};
  design.pattern = paintGrassSnakePattern;
  design.head.length = 124;
  design.head.depth = 70;
  design.head.neck = 22;
  design.head.eye = {0.7, -0.12};
  design.head.eyeRadius = 14;
  design.head.iris = QColor(200, 164, 74);
  design.head.top = QColor(112, 118, 88);
  design.head.lip = QColor(238, 232, 204);
  design.head.lipSeams = QColor(40, 40, 32, 200);
  design.head.outline = QColor(38, 40, 28);
  design.head.stripe = Qt::transparent;
  SnakePainter(design).paint(painter);
}

// Grey-brown with broad dark bars across the back, often split into two halves that do not quite
// meet, and small dark spots low on the flanks.
void paintViperPattern(QPainter& painter, const BodyShape& body) {
  const qreal length = body.length();
  const QColor bar(64, 44, 30);
  int index = 0;
  for (qreal s = 46; s < length * 0.97; s += 32, ++index) {
    const qreal shift = (index % 3 == 1) ? 6 : 0;
    painter.fillPath(crossBand(body, s - shift, s + 14 - shift, -0.8, 0.02, -3), bar);
    painter.fillPath(crossBand(body, s + shift, s + 14 + shift, -0.02, 0.8, -3), bar);
    for (int side : {-1, 1}) {
      painter.fillPath(crossBand(body, s + 18, s + 27, side * 0.84, side * 1.0, 0),
                       QColor(70, 50, 34, 220));
    }
  }
}

void paintViper(QPainter& painter) {
  SnakePainter::Design design;
  design.spine.moveTo(300, 290);
  design.spine.cubicTo(490, 200, 830, 230, 820, 380);
  design.spine.cubicTo(810, 530, 430, 440, 380, 560);
  design.spine.cubicTo(350, 630, 530, 670, 690, 640);
  design.halfWidth = {{0, 38},    {26, 32},   {60, 27},   {120, 40}, {500, 50},
                      {1050, 48}, {1280, 35}, {1400, 13}, {1457, 2}};
  design.skin = QColor(158, 136, 106);
  design.outline = QColor(54, 40, 28);
  design.scaleRows = 15;
  design.scaleLength = 10.5;
  design.scales = {QColor(40, 28, 18, 150), QColor(255, 250, 230, 55), 0.8, true};
  design.pattern = paintViperPattern;
  design.head.length = 118;
  design.head.depth = 86;
  design.head.neck = 23;
  design.head.snoutLift = 0.2;
  design.head.jawBulge = 0.16;
  design.head.eye = {0.66, -0.12};
  design.head.eyeRadius = 12;
  design.head.verticalPupil = true;
  design.head.iris = QColor(196, 112, 58);
  design.head.top = QColor(150, 128, 98);
  design.head.lip = QColor(214, 200, 172);
  design.head.lipSeams = QColor(120, 98, 72, 150);
  design.head.outline = QColor(54, 40, 28);
  design.head.stripe = QColor(62, 42, 30, 230);
  design.head.largePlates = false;
  SnakePainter(design).paint(painter);
}

}  // namespace

void SnakeDrawings::addTo(DrawingCatalog& catalog) {
  catalog.add("couleuvre-a-collier", paintGrassSnake);
  catalog.add("vipere-aspic", paintViper);
}

}  // namespace sylvenor::draw
