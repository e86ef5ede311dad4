#include "WorkshopAnimalPainter.h"

#include <QLinearGradient>
#include <QPainter>

#include "PathKit.h"

namespace sylvenor::draw {

namespace {

const QColor kBlack(20, 20, 24);
const QColor kWhite(255, 255, 255, 235);

void paintOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                   const QColor& outline) {
  PathKit::fillOutlined(painter, path, fill, outline, 1.6);
}

void paintEye(QPainter& painter, QPointF centre, qreal radius, const QColor& iris) {
  painter.fillPath(PathKit::circle(centre, radius), iris);
  painter.fillPath(PathKit::circle(centre, radius * 0.5), kBlack);
  painter.fillPath(PathKit::circle(centre + QPointF(-radius * 0.3, -radius * 0.3), radius * 0.2),
                   kWhite);
}

QPainterPath roachBody() {
  QPainterPath body({10, 50});
  body.cubicTo(26, 26, 66, 22, 90, 46);
  body.quadTo(92, 50, 89, 53);
  body.cubicTo(66, 76, 28, 72, 10, 50);
  return body;
}

QPainterPath crowBody() {
  return PathKit::unite({
      PathKit::rotated(PathKit::ellipse({48, 54}, 29, 17), {48, 54}, -22),
      PathKit::circle({72, 31}, 12.5),
      PathKit::polygon({{80, 24}, {99, 33}, {80, 39}}),
      PathKit::polygon({{34, 60}, {8, 68}, {10, 76}, {16, 84}, {40, 68}}),
  });
}

QPainterPath rabbitEar(QPointF base, qreal degrees) {
  return PathKit::rotated(PathKit::ellipse(base + QPointF(0, -16), 5.5, 17), base, degrees);
}

}  // namespace

void WorkshopAnimalPainter::paintRoach(QPainter& painter) {
  const QColor fin("#d9502e");
  const QColor finLine = fin.darker(140);
  paintOutlined(painter, PathKit::polygon({{42, 31}, {50, 14}, {62, 30}}), fin, finLine);
  paintOutlined(painter, PathKit::polygon({{44, 64}, {50, 80}, {58, 64}}), fin, finLine);
  paintOutlined(painter, PathKit::polygon({{62, 62}, {66, 76}, {72, 60}}), fin, finLine);
  paintOutlined(painter, PathKit::polygon({{16, 50}, {1, 30}, {6, 50}, {1, 70}}), QColor("#b5584a"),
                finLine);
  QLinearGradient silver(0, 28, 0, 72);
  silver.setColorAt(0, QColor("#4f687c"));
  silver.setColorAt(0.45, QColor("#a9b7c2"));
  silver.setColorAt(1, QColor("#eef1f3"));
  paintOutlined(painter, roachBody(), silver, QColor("#3c4f5e"));
  paintOutlined(painter, PathKit::rotated(PathKit::ellipse({70, 58}, 8, 3), {70, 58}, 25), fin,
                finLine);
  QPainterPath gill({74, 36});
  gill.quadTo(67, 50, 74, 62);
  painter.fillPath(PathKit::stroke(gill, 1.6), QColor("#3c4f5e"));
  QPainterPath lateral({22, 50});
  lateral.quadTo(48, 44, 70, 48);
  painter.fillPath(PathKit::stroke(lateral, 1), QColor(60, 79, 94, 150));
  paintEye(painter, {80, 45}, 4.2, QColor("#c8281e"));
}

void WorkshopAnimalPainter::paintCrow(QPainter& painter) {
  const QColor legs("#2b2b2e");
  for (const qreal x : {46.0, 56.0}) {
    painter.fillPath(PathKit::stroke(PathKit::polyline({{x, 66}, {x - 2, 90}}), 3), legs);
    painter.fillPath(
        PathKit::stroke(PathKit::polyline({{x - 9, 92}, {x - 2, 90}, {x + 5, 93}}), 2.6), legs);
  }
  paintOutlined(painter, crowBody(), QColor("#1c1c22"), QColor("#000000"));
  painter.fillPath(PathKit::polygon({{80, 24}, {99, 33}, {80, 39}}), QColor("#2e2e33"));
  painter.fillPath(PathKit::stroke(PathKit::polyline({{82, 33}, {96, 33}}), 1), QColor("#55555c"));
  painter.fillPath(PathKit::rotated(PathKit::ellipse({44, 52}, 19, 9), {44, 52}, -26),
                   QColor("#343a55"));
  painter.fillPath(PathKit::rotated(PathKit::ellipse({40, 48}, 9, 2.5), {40, 48}, -26),
                   QColor(120, 130, 180, 120));
  painter.fillPath(PathKit::circle({75, 28}, 3.4), QColor("#6a6a6a"));
  paintEye(painter, {75, 28}, 2.6, QColor("#3a2a1e"));
}

void WorkshopAnimalPainter::paintTreeFrog(QPainter& painter) {
  const QColor green("#3fae3a");
  const QColor outline("#1f6a1c");
  const QColor pad("#a8d84a");
  paintOutlined(painter, PathKit::rotated(PathKit::ellipse({34, 68}, 17, 10), {34, 68}, -25),
                green.darker(110), outline);
  paintOutlined(painter, PathKit::stroke(PathKit::polyline({{22, 76}, {42, 84}}), 7),
                green.darker(110), outline);
  paintOutlined(painter, PathKit::stroke(PathKit::polyline({{42, 84}, {60, 88}}), 4.5),
                green.darker(110), outline);
  const QPainterPath body = PathKit::unite({
      PathKit::rotated(PathKit::ellipse({48, 58}, 28, 17), {48, 58}, -18),
      PathKit::ellipse({72, 44}, 17, 12),
      PathKit::circle({72, 34}, 8),
  });
  paintOutlined(painter, body, green, outline);
  paintOutlined(painter, PathKit::stroke(PathKit::polyline({{66, 56}, {70, 76}, {78, 84}}), 6),
                green, outline);
  // The dark side stripe of the tree frog runs from the snout through the eye to the hip.
  QPainterPath stripe({90, 46});
  stripe.cubicTo(76, 42, 62, 58, 34, 66);
  stripe.quadTo(26, 67, 30, 58);
  painter.save();
  painter.setClipPath(body);
  painter.fillPath(PathKit::stroke(stripe, 3.6), QColor(255, 255, 255, 200));
  painter.fillPath(PathKit::stroke(stripe, 2.2), QColor("#5a3e26"));
  painter.restore();
  painter.fillPath(PathKit::rotated(PathKit::ellipse({60, 68}, 12, 4.5), {60, 68}, -20),
                   QColor("#e8efc4"));
  for (const QPointF& toe : {QPointF(82, 86), QPointF(78, 89), QPointF(64, 91), QPointF(66, 86)}) {
    paintOutlined(painter, PathKit::circle(toe, 2.8), pad, outline);
  }
  paintEye(painter, {73, 33}, 5.6, QColor("#e0b030"));
  painter.fillPath(PathKit::ellipse({73, 33}, 3.4, 1.6), kBlack);
}

void WorkshopAnimalPainter::paintRabbit(QPainter& painter) {
  const QColor fur("#a08a74");
  const QColor outline("#5e4b3a");
  const QColor pink("#e8a3a8");
  paintOutlined(painter, rabbitEar({66, 34}, -28), fur, outline);
  paintOutlined(painter, rabbitEar({72, 32}, -8), fur, outline);
  painter.fillPath(PathKit::rotated(PathKit::ellipse({72, 18}, 2.4, 11), {72, 32}, -8), pink);
  const QPainterPath body = PathKit::unite({
      PathKit::ellipse({44, 64}, 30, 24),
      PathKit::ellipse({74, 42}, 15, 12.5),
      PathKit::polygon({{58, 46}, {70, 50}, {70, 66}, {56, 66}}),
  });
  paintOutlined(painter, PathKit::circle({14, 56}, 8), QColor("#f4f0ea"), QColor("#b8ada0"));
  paintOutlined(painter, body, fur, outline);
  paintOutlined(painter, PathKit::ellipse({32, 70}, 17, 15), fur.darker(108), outline);
  paintOutlined(painter, PathKit::ellipse({40, 88}, 22, 5.5), fur.darker(108), outline);
  paintOutlined(painter, PathKit::roundedRect(QRectF(64, 70, 9, 22), 4.5), fur, outline);
  painter.fillPath(PathKit::circle({88, 45}, 2.2), pink);
  paintEye(painter, {78, 38}, 3, QColor("#3a2618"));
  painter.setPen(QPen(QColor(90, 70, 55, 170), 0.8));
  painter.drawLine(QPointF(86, 48), QPointF(97, 46));
  painter.drawLine(QPointF(86, 49), QPointF(97, 51));
  painter.setPen(Qt::NoPen);
}

}  // namespace sylvenor::draw
