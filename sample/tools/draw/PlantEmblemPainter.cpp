#include "PlantEmblemPainter.h"

#include <QLineF>
#include <QPainter>
#include <cmath>
#include <map>

#include "PathKit.h"

namespace sylvenor::draw {

namespace {

using Painter = void (*)(QPainter&, const GroupStyle&);

const QColor kFlowerHeart("#f2c230");
const QColor kRock("#a3a8a6");
const QColor kVein(255, 255, 255, 130);

QPointF onCircle(QPointF centre, qreal radius, qreal degrees) {
  const qreal radians = degrees * M_PI / 180;
  return centre + QPointF(radius * std::cos(radians), radius * std::sin(radians));
}

void leafWithVein(QPainter& painter, QPointF base, QPointF tip, const QColor& colour) {
  PathKit::fillWithShadow(painter, PathKit::leaf(base, tip, 0.35), colour);
  painter.fillPath(PathKit::stroke(PathKit::polyline({base, QLineF(base, tip).pointAt(0.85)}), 1.4),
                   kVein);
}

void paintFloweringPlant(QPainter& painter, const GroupStyle& style) {
  QPainterPath stem({50, 97});
  stem.cubicTo(47, 76, 53, 56, 50, 36);
  PathKit::fillWithShadow(painter, PathKit::stroke(stem, 4), style.ink);
  leafWithVein(painter, {49, 80}, {22, 64}, style.ink);
  leafWithVein(painter, {51, 66}, {80, 52}, style.ink);
  const QPointF heart(50, 28);
  QPainterPath petals;
  for (int i = 0; i < 6; ++i) {
    const qreal degrees = i * 60 - 90;
    const QPointF centre = onCircle(heart, 12, degrees);
    petals = petals.united(PathKit::rotated(PathKit::ellipse(centre, 10, 6.5), centre, degrees));
  }
  PathKit::fillWithShadow(painter, petals, style.accent);
  PathKit::fillWithShadow(painter, PathKit::circle(heart, 7), kFlowerHeart);
}

void paintConifer(QPainter& painter, const GroupStyle& style) {
  PathKit::fillWithShadow(painter, PathKit::roundedRect(QRectF(44, 78, 12, 18), 2), style.accent);
  const QPainterPath crown = PathKit::unite({
      PathKit::polygon({{50, 4}, {31, 34}, {69, 34}}),
      PathKit::polygon({{50, 20}, {24, 58}, {76, 58}}),
      PathKit::polygon({{50, 38}, {14, 84}, {86, 84}}),
  });
  PathKit::fillWithShadow(painter, crown.united(PathKit::stroke(crown, 3)), style.ink);
  for (const QPointF& cone : {QPointF(36, 62), QPointF(62, 70), QPointF(56, 44)}) {
    const QPainterPath shape = PathKit::ellipse(cone, 3.2, 5.5);
    painter.fillPath(shape, style.accent);
  }
}

QPainterPath fernStalk() {
  QPainterPath stalk({54, 98});
  stalk.cubicTo(50, 70, 38, 36, 60, 5);
  return stalk;
}

QPainterPath fernLeaflets(const QPainterPath& stalk) {
  QPainterPath leaflets;
  const int pairs = 16;
  for (int i = 0; i < pairs; ++i) {
    const qreal t = 0.1 + i * 0.054;
    const QPointF base = stalk.pointAtPercent(t);
    QLineF along(base, stalk.pointAtPercent(t + 0.01));
    along.setLength(1);
    const QLineF across = along.normalVector();
    const qreal length = 22 * (1 - t) + 4;
    const QPointF forward(along.dx() * 0.45, along.dy() * 0.45);
    const QPointF side(across.dx(), across.dy());
    leaflets.addPath(PathKit::leaf(base, base + (side + forward) * length, 0.3));
    leaflets.addPath(PathKit::leaf(base, base + (forward - side) * length, 0.3));
  }
  leaflets.setFillRule(Qt::WindingFill);
  return leaflets;
}

QPainterPath crozier(QPointF centre) {
  QPainterPath curl({centre.x() + 14, centre.y() + 14});
  const int steps = 60;
  for (int i = 0; i <= steps; ++i) {
    const qreal fraction = static_cast<qreal>(i) / steps;
    curl.lineTo(onCircle(centre, 9 * (1 - fraction) + 1.5, 45 - fraction * 420));
  }
  return curl;
}

void paintFern(QPainter& painter, const GroupStyle& style) {
  const QPainterPath stalk = fernStalk();
  const QPainterPath frond = PathKit::stroke(stalk, 2.6).united(fernLeaflets(stalk).simplified());
  PathKit::fillWithShadow(painter, frond, style.ink);
  PathKit::fillWithShadow(painter, PathKit::stroke(crozier({22, 76}), 3.2), style.accent);
}

void paintMoss(QPainter& painter, const GroupStyle& style) {
  const QPainterPath cushion = PathKit::unite({
      PathKit::circle({22, 80}, 13),
      PathKit::circle({36, 73}, 16),
      PathKit::circle({52, 70}, 17),
      PathKit::circle({68, 73}, 16),
      PathKit::circle({80, 80}, 13),
      PathKit::roundedRect(QRectF(9, 78, 82, 15), 6),
  });
  const struct {
    QPointF base;
    QPointF top;
  } stalks[] = {{{30, 64}, {25, 30}},
                {{44, 58}, {43, 20}},
                {{58, 58}, {63, 24}},
                {{70, 63}, {78, 36}},
                {{38, 62}, {33, 42}}};
  for (const auto& stalk : stalks) {
    painter.fillPath(PathKit::stroke(PathKit::polyline({stalk.base, stalk.top}), 1.8),
                     style.accent);
    const qreal tilt = QLineF(stalk.base, stalk.top).angle();
    painter.fillPath(PathKit::rotated(PathKit::ellipse(stalk.top, 5.5, 2.8), stalk.top, -tilt),
                     style.accent.darker(120));
  }
  PathKit::fillWithShadow(painter, cushion, style.ink);
  painter.setPen(QPen(style.ink.lighter(150), 1.6, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 11; ++i) {
    const QPointF tuft(16 + i * 6.8, 78 + (i % 3) * 4 - (i % 2) * 5);
    painter.drawLine(tuft, tuft + QPointF(-2.5, -4));
    painter.drawLine(tuft, tuft + QPointF(2.5, -4));
  }
  painter.setPen(Qt::NoPen);
}

// A wavy ribbon from its foot to its tip; `sway` bends it one way then the other.
struct Blade {
  QPainterPath outline;
  QPainterPath midrib;
};

Blade blade(QPointF base, QPointF tip, qreal width, qreal sway) {
  const QLineF axis(base, tip);
  QLineF unitNormal = axis.normalVector();
  unitNormal.setLength(1);
  const QPointF normal(unitNormal.dx(), unitNormal.dy());
  const QPointF first = axis.pointAt(0.33) + normal * sway;
  const QPointF second = axis.pointAt(0.66) - normal * sway;
  Blade result;
  result.outline.moveTo(base);
  result.outline.cubicTo(first + normal * width, second + normal * width * 0.8, tip);
  result.outline.cubicTo(second - normal * width * 0.8, first - normal * width, base);
  result.midrib.moveTo(base);
  result.midrib.cubicTo(first, second, tip);
  return result;
}

void paintBlade(QPainter& painter, const Blade& shape, const QColor& colour, bool bladders) {
  PathKit::fillWithShadow(painter, shape.outline, colour);
  painter.fillPath(PathKit::stroke(shape.midrib, 1.6), colour.lighter(135));
  if (!bladders) {
    return;
  }
  for (const qreal t : {0.35, 0.6}) {
    painter.fillPath(PathKit::ellipse(shape.midrib.pointAtPercent(t), 3.4, 4.6),
                     colour.lighter(150));
  }
}

void paintSeaweed(QPainter& painter, const GroupStyle& style) {
  paintBlade(painter, blade({50, 90}, {56, 24}, 7, 7), style.accent, false);
  paintBlade(painter, blade({46, 90}, {24, 8}, 10, 9), style.ink, true);
  paintBlade(painter, blade({54, 90}, {80, 14}, 9, -9), style.ink, true);
  PathKit::fillWithShadow(painter, PathKit::ellipse({50, 93}, 34, 7), kRock);
}

QPainterPath lichenRock() {
  QPainterPath rock({4, 90});
  rock.cubicTo(4, 58, 22, 38, 50, 38);
  rock.cubicTo(80, 38, 97, 58, 96, 90);
  rock.closeSubpath();
  return rock;
}

// Lobes of uneven size, as a crust of lichen grows unevenly over the stone.
void lichenPatch(QPainter& painter, QPointF centre, qreal radius, const QColor& colour) {
  const qreal lobeSizes[] = {0.42, 0.34, 0.46, 0.3, 0.4, 0.36, 0.44, 0.32, 0.38};
  const int lobes = static_cast<int>(std::size(lobeSizes));
  QPainterPath patch = PathKit::circle(centre, radius * 0.66);
  for (int i = 0; i < lobes; ++i) {
    const QPointF lobe = onCircle(centre, radius * 0.64, i * 360.0 / lobes + radius * 7);
    patch = patch.united(PathKit::circle(lobe, radius * lobeSizes[i]));
  }
  painter.fillPath(patch, colour);
  for (int i = 0; i < 3; ++i) {
    const QPointF cup = onCircle(centre, radius * 0.32, i * 120 + radius * 11);
    painter.fillPath(PathKit::circle(cup, radius * 0.17), colour.lighter(125));
    painter.fillPath(PathKit::circle(cup, radius * 0.11), colour.darker(145));
  }
}

void paintLichen(QPainter& painter, const GroupStyle& style) {
  PathKit::fillWithShadow(painter, lichenRock(), kRock);
  lichenPatch(painter, {32, 64}, 15, style.accent);
  lichenPatch(painter, {64, 52}, 11, style.ink);
  lichenPatch(painter, {72, 76}, 10, style.accent);
  lichenPatch(painter, {20, 82}, 7, style.ink);
  lichenPatch(painter, {48, 82}, 6, style.accent);
}

const std::map<Emblem, Painter>& painters() {
  static const std::map<Emblem, Painter> table = {
      {Emblem::FloweringPlant, paintFloweringPlant},
      {Emblem::Conifer, paintConifer},
      {Emblem::Fern, paintFern},
      {Emblem::Moss, paintMoss},
      {Emblem::Seaweed, paintSeaweed},
      {Emblem::Lichen, paintLichen},
  };
  return table;
}

}  // namespace

bool PlantEmblemPainter::handles(Emblem emblem) { return painters().contains(emblem); }

void PlantEmblemPainter::paint(QPainter& painter, const GroupStyle& style) {
  painters().at(style.emblem)(painter, style);
}

}  // namespace sylvenor::draw
