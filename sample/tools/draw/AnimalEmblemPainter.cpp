#include "AnimalEmblemPainter.h"

#include <QLineF>
#include <QPainter>
#include <cmath>
#include <map>

#include "PathKit.h"

namespace sylvenor::draw {

namespace {

using Painter = void (*)(QPainter&, const GroupStyle&);

const QColor kEyeWhite(255, 255, 255, 235);
const QColor kPupil(30, 30, 30);
const QColor kHighlight(255, 255, 255, 150);

void eye(QPainter& painter, QPointF centre, qreal radius) {
  painter.fillPath(PathKit::circle(centre, radius), kEyeWhite);
  painter.fillPath(PathKit::circle(centre + QPointF(radius * 0.25, 0), radius * 0.55), kPupil);
}

void paintMammal(QPainter& painter, const GroupStyle& style) {
  QPainterPath legs;
  for (const qreal x : {24.0, 33.0, 60.0, 69.0}) {
    legs.addRoundedRect(QRectF(x, 58, 7, 30), 3, 3);
  }
  const QPainterPath tail = PathKit::leaf({26, 52}, {3, 30}, 0.45);
  const QPainterPath body = PathKit::unite({
      PathKit::ellipse({47, 56}, 27, 14),
      PathKit::polygon({{62, 46}, {73, 34}, {85, 44}, {72, 62}}),
      PathKit::circle({79, 42}, 10),
      PathKit::polygon({{84, 35}, {98, 44}, {96, 48}, {84, 51}}),
      PathKit::polygon({{71, 36}, {72, 20}, {80, 33}}),
      PathKit::polygon({{78, 33}, {85, 21}, {87, 36}}),
      legs,
      tail,
  });
  PathKit::fillWithShadow(painter, body, style.ink);
  painter.fillPath(PathKit::ellipse({45, 62}, 18, 6), style.accent);
  eye(painter, {81, 39}, 2.6);
  painter.fillPath(PathKit::circle({97, 45}, 1.8), kPupil);
}

void paintBird(QPainter& painter, const GroupStyle& style) {
  const QPainterPath feet = PathKit::unite({
      PathKit::stroke(PathKit::polyline({{46, 66}, {44, 88}}), 2.8),
      PathKit::stroke(PathKit::polyline({{55, 66}, {57, 88}}), 2.8),
      PathKit::stroke(PathKit::polyline({{38, 90}, {44, 88}, {50, 91}}), 2.4),
      PathKit::stroke(PathKit::polyline({{51, 90}, {57, 88}, {63, 91}}), 2.4),
  });
  const QPainterPath body = PathKit::unite({
      PathKit::rotated(PathKit::ellipse({49, 54}, 25, 16), {49, 54}, -18),
      PathKit::circle({72, 36}, 12),
      PathKit::polygon({{81, 30}, {98, 37}, {81, 43}}),
      PathKit::polygon({{30, 56}, {4, 74}, {10, 80}, {38, 66}}),
  });
  PathKit::fillWithShadow(painter, feet, style.ink.darker(130));
  PathKit::fillWithShadow(painter, body, style.ink);
  painter.fillPath(PathKit::rotated(PathKit::ellipse({44, 54}, 17, 8), {44, 54}, -25),
                   style.accent);
  eye(painter, {75, 33}, 3);
}

void paintReptile(QPainter& painter, const GroupStyle& style) {
  QPainterPath tail({47, 45});
  tail.cubicTo(30, 43, 20, 64, 2, 58);
  tail.cubicTo(20, 68, 33, 56, 47, 55);
  tail.closeSubpath();
  const qreal legWidth = 4.2;
  const QPainterPath body = PathKit::unite({
      PathKit::ellipse({86, 50}, 10, 7),
      PathKit::ellipse({63, 50}, 19, 9),
      tail,
      PathKit::stroke(PathKit::polyline({{72, 46}, {76, 34}, {83, 30}}), legWidth),
      PathKit::stroke(PathKit::polyline({{72, 54}, {76, 66}, {83, 70}}), legWidth),
      PathKit::stroke(PathKit::polyline({{54, 46}, {50, 34}, {43, 30}}), legWidth),
      PathKit::stroke(PathKit::polyline({{54, 54}, {50, 66}, {43, 70}}), legWidth),
  });
  PathKit::fillWithShadow(painter, body, style.ink);
  for (const qreal x : {52.0, 60.0, 68.0}) {
    painter.fillPath(PathKit::circle({x, 50}, 2.4), style.accent);
  }
  eye(painter, {89, 46}, 1.8);
  eye(painter, {89, 54}, 1.8);
}

void paintAmphibian(QPainter& painter, const GroupStyle& style) {
  const QPainterPath leftLegs = PathKit::unite({
      PathKit::stroke(PathKit::polyline({{38, 68}, {18, 60}, {14, 80}, {28, 88}}), 7),
      PathKit::stroke(PathKit::polyline({{28, 88}, {38, 90}}), 3),
      PathKit::stroke(PathKit::polyline({{28, 88}, {34, 97}}), 3),
      PathKit::stroke(PathKit::polyline({{38, 48}, {25, 46}, {20, 36}}), 5),
      PathKit::stroke(PathKit::polyline({{20, 36}, {14, 32}}), 2.6),
      PathKit::stroke(PathKit::polyline({{20, 36}, {20, 28}}), 2.6),
  });
  const QPainterPath body = PathKit::unite({
      PathKit::ellipse({50, 58}, 19, 22),
      PathKit::ellipse({50, 36}, 17, 12),
      PathKit::circle({40, 28}, 6.5),
      PathKit::circle({60, 28}, 6.5),
      PathKit::withMirror(leftLegs, 50),
  });
  PathKit::fillWithShadow(painter, body, style.ink);
  painter.fillPath(PathKit::ellipse({50, 62}, 10, 12), style.accent);
  eye(painter, {40, 27}, 3.8);
  eye(painter, {60, 27}, 3.8);
}

void paintFish(QPainter& painter, const GroupStyle& style) {
  QPainterPath outline({14, 50});
  outline.cubicTo(32, 26, 68, 24, 92, 48);
  outline.cubicTo(70, 74, 34, 74, 14, 50);
  const QPainterPath body = PathKit::unite({
      outline,
      PathKit::polygon({{22, 50}, {3, 30}, {9, 50}, {3, 70}}),
      PathKit::polygon({{40, 34}, {52, 17}, {66, 31}}),
      PathKit::polygon({{48, 66}, {55, 80}, {63, 67}}),
  });
  PathKit::fillWithShadow(painter, body, style.ink);
  QPainterPath gill({72, 37});
  gill.quadTo(64, 50, 72, 63);
  painter.fillPath(PathKit::stroke(gill, 2), style.accent);
  painter.fillPath(PathKit::rotated(PathKit::ellipse({56, 56}, 12, 3.5), {56, 56}, 10),
                   style.accent);
  eye(painter, {80, 45}, 3.6);
}

void paintCrustacean(QPainter& painter, const GroupStyle& style) {
  const QPainterPath pincer =
      PathKit::circle({20, 25}, 9).subtracted(PathKit::polygon({{21, 26}, {12, 8}, {30, 11}}));
  const qreal legWidth = 3.6;
  const QPainterPath leftSide = PathKit::unite({
      pincer,
      PathKit::stroke(PathKit::polyline({{33, 52}, {23, 42}, {20, 32}}), 5.5),
      PathKit::stroke(PathKit::polyline({{30, 60}, {15, 63}, {8, 72}}), legWidth),
      PathKit::stroke(PathKit::polyline({{31, 66}, {17, 72}, {12, 83}}), legWidth),
      PathKit::stroke(PathKit::polyline({{35, 70}, {25, 79}, {22, 91}}), legWidth),
      PathKit::stroke(PathKit::polyline({{44, 48}, {42, 38}}), 2.6),
      PathKit::circle({42, 37}, 3.4),
  });
  const QPainterPath body =
      PathKit::unite({PathKit::ellipse({50, 60}, 25, 15), PathKit::withMirror(leftSide, 50)});
  PathKit::fillWithShadow(painter, body, style.ink);
  painter.fillPath(PathKit::ellipse({50, 56}, 15, 6), style.accent);
  painter.fillPath(PathKit::circle({42, 37}, 1.6), kPupil);
  painter.fillPath(PathKit::circle({58, 37}, 1.6), kPupil);
}

QPainterPath jellyfishBell() {
  QPainterPath bell({18, 48});
  bell.cubicTo(18, 10, 82, 10, 82, 48);
  const int scallops = 5;
  const qreal step = 64.0 / scallops;
  for (int i = 1; i <= scallops; ++i) {
    const qreal x = 82 - i * step;
    bell.quadTo(x + step / 2, 56, x, 48);
  }
  bell.closeSubpath();
  return bell;
}

void paintJellyfish(QPainter& painter, const GroupStyle& style) {
  QPainterPath tentacles;
  for (const qreal x : {24.0, 36.0, 64.0, 76.0}) {
    QPainterPath line({x, 50});
    line.cubicTo(x - 6, 62, x + 6, 76, x, 94);
    tentacles = tentacles.united(PathKit::stroke(line, 2.6));
  }
  for (const qreal x : {44.0, 56.0}) {
    QPainterPath arm({x, 50});
    arm.cubicTo(x - 8, 62, x + 8, 72, x, 86);
    tentacles = tentacles.united(PathKit::stroke(arm, 6));
  }
  PathKit::fillWithShadow(painter, tentacles, style.accent.darker(115));
  PathKit::fillWithShadow(painter, jellyfishBell(), style.ink);
  painter.fillPath(PathKit::rotated(PathKit::ellipse({38, 28}, 9, 4.5), {38, 28}, -30), kHighlight);
}

void paintInsect(QPainter& painter, const GroupStyle& style) {
  const qreal legWidth = 2.8;
  const QPainterPath body = PathKit::unite({
      PathKit::rotated(PathKit::ellipse({28, 50}, 17, 12), {28, 50}, -10),
      PathKit::circle({46, 52}, 3.8),
      PathKit::rotated(PathKit::ellipse({59, 49}, 10, 6.5), {59, 49}, -10),
      PathKit::circle({77, 44}, 9),
      PathKit::polygon({{83, 48}, {93, 53}, {83, 54}}),
      PathKit::stroke(PathKit::polyline({{78, 36}, {82, 23}, {95, 16}}), 2.2),
      PathKit::stroke(PathKit::polyline({{74, 36}, {72, 22}, {80, 10}}), 2.2),
      PathKit::stroke(PathKit::polyline({{54, 53}, {44, 64}, {36, 82}}), legWidth),
      PathKit::stroke(PathKit::polyline({{59, 54}, {58, 68}, {53, 84}}), legWidth),
      PathKit::stroke(PathKit::polyline({{63, 53}, {73, 65}, {80, 82}}), legWidth),
  });
  PathKit::fillWithShadow(painter, body, style.ink);
  painter.fillPath(PathKit::rotated(PathKit::ellipse({24, 45}, 8, 3.5), {24, 45}, -15),
                   style.accent);
  eye(painter, {80, 42}, 2.4);
}

QPointF millipedeSegment(int index) { return {12 + index * 5.8, 56 + 8 * std::sin(index * 0.55)}; }

void paintMillipede(QPainter& painter, const GroupStyle& style) {
  const int segments = 13;
  QPainterPath body;
  for (int i = 0; i < segments; ++i) {
    const QPointF centre = millipedeSegment(i);
    body = body.united(PathKit::circle(centre, 6.4));
    for (const qreal dx : {-2.0, 2.0}) {
      const QPointF hip = centre + QPointF(dx, 5);
      body = body.united(PathKit::stroke(PathKit::polyline({hip, hip + QPointF(dx, 9)}), 1.8));
    }
  }
  const QPointF head = millipedeSegment(segments) + QPointF(1, 0);
  body = PathKit::unite({
      body,
      PathKit::circle(head, 7.2),
      PathKit::stroke(PathKit::polyline({head + QPointF(3, -5), head + QPointF(9, -16)}), 2),
      PathKit::stroke(PathKit::polyline({head + QPointF(-1, -6), head + QPointF(1, -18)}), 2),
  });
  PathKit::fillWithShadow(painter, body, style.ink);
  painter.setPen(QPen(style.accent, 1.4));
  for (int i = 1; i < segments; ++i) {
    const QPointF centre = millipedeSegment(i);
    painter.drawLine(centre + QPointF(-2.4, -5), centre + QPointF(-2.4, 5));
  }
  painter.setPen(Qt::NoPen);
  eye(painter, head + QPointF(2.5, -1.5), 2.2);
}

void paintSpider(QPainter& painter, const GroupStyle& style) {
  const qreal legWidth = 3.2;
  const QPainterPath leftLegs = PathKit::unite({
      PathKit::stroke(PathKit::polyline({{44, 36}, {30, 20}, {24, 6}}), legWidth),
      PathKit::stroke(PathKit::polyline({{43, 40}, {24, 31}, {10, 25}}), legWidth),
      PathKit::stroke(PathKit::polyline({{43, 44}, {24, 50}, {10, 60}}), legWidth),
      PathKit::stroke(PathKit::polyline({{44, 47}, {30, 64}, {24, 82}}), legWidth),
      PathKit::stroke(PathKit::polyline({{47, 32}, {44, 25}}), 2.6),
  });
  const QPainterPath body = PathKit::unite({
      PathKit::ellipse({50, 66}, 14, 17),
      PathKit::ellipse({50, 40}, 10, 9),
      PathKit::withMirror(leftLegs, 50),
  });
  PathKit::fillWithShadow(painter, body, style.ink);
  painter.fillPath(PathKit::ellipse({50, 62}, 3, 6), style.accent);
  painter.fillPath(PathKit::ellipse({50, 73}, 6, 2.4), style.accent);
  painter.fillPath(PathKit::circle({47, 36}, 1.6), kEyeWhite);
  painter.fillPath(PathKit::circle({53, 36}, 1.6), kEyeWhite);
}

QPainterPath shellSpiral(QPointF centre, qreal outerRadius) {
  const int steps = 120;
  const qreal turns = 2.6;
  QPainterPath spiral;
  for (int i = 0; i <= steps; ++i) {
    const qreal fraction = static_cast<qreal>(i) / steps;
    const qreal angle = fraction * turns * 2 * M_PI;
    const qreal radius = 2 + fraction * (outerRadius - 2);
    const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    if (i == 0) {
      spiral.moveTo(point);
    } else {
      spiral.lineTo(point);
    }
  }
  return spiral;
}

void paintSnail(QPainter& painter, const GroupStyle& style) {
  const QPainterPath foot = PathKit::unite({
      PathKit::roundedRect(QRectF(6, 68, 80, 13), 6.5),
      PathKit::polygon({{66, 74}, {76, 52}, {88, 52}, {95, 80}}),
      PathKit::circle({82, 54}, 7),
      PathKit::stroke(PathKit::polyline({{79, 50}, {74, 30}}), 2.8),
      PathKit::stroke(PathKit::polyline({{85, 50}, {91, 30}}), 2.8),
      PathKit::circle({74, 30}, 3),
      PathKit::circle({91, 30}, 3),
  });
  PathKit::fillWithShadow(painter, foot, style.accent);
  PathKit::fillWithShadow(painter, PathKit::circle({42, 46}, 25), style.ink);
  painter.fillPath(PathKit::stroke(shellSpiral({44, 46}, 20), 2.6), style.accent);
  painter.fillPath(PathKit::circle({74, 30}, 1.4), kPupil);
  painter.fillPath(PathKit::circle({91, 30}, 1.4), kPupil);
}

QPainterPath wormLine() {
  QPainterPath line({8, 62});
  line.cubicTo(26, 28, 44, 92, 64, 56);
  line.cubicTo(72, 42, 84, 38, 92, 46);
  return line;
}

void paintEarthworm(QPainter& painter, const GroupStyle& style) {
  const QPainterPath line = wormLine();
  PathKit::fillWithShadow(painter, PathKit::stroke(line, 11), style.ink);
  for (qreal t = 0.62; t <= 0.72; t += 0.005) {
    painter.fillPath(PathKit::circle(line.pointAtPercent(t), 6.6), style.accent);
  }
  painter.setPen(QPen(style.accent, 1.2));
  const int rings = 30;
  for (int i = 1; i < rings; ++i) {
    const qreal t = static_cast<qreal>(i) / rings;
    const QPointF centre = line.pointAtPercent(t);
    QLineF across = QLineF(centre, line.pointAtPercent(t + 0.01)).normalVector();
    across.setLength(4.5);
    painter.drawLine(QLineF(centre - QPointF(across.dx(), across.dy()), across.p2()));
  }
  painter.setPen(Qt::NoPen);
  eye(painter, line.pointAtPercent(0.985) + QPointF(0, -1), 1.6);
}

void paintStarfish(QPainter& painter, const GroupStyle& style) {
  const QPointF centre(50, 53);
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const qreal radius = i % 2 == 0 ? 44 : 17;
    const qreal angle = (-90 + i * 36) * M_PI / 180;
    const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    if (i == 0) {
      star.moveTo(point);
    } else {
      star.lineTo(point);
    }
  }
  star.closeSubpath();
  PathKit::fillWithShadow(painter, star.united(PathKit::stroke(star, 8)), style.ink);
  for (int arm = 0; arm < 5; ++arm) {
    const qreal angle = (-90 + arm * 72) * M_PI / 180;
    for (const qreal radius : {12.0, 22.0, 32.0}) {
      const QPointF dot = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
      painter.fillPath(PathKit::circle(dot, 3.2 - radius / 20), style.accent);
    }
  }
  painter.fillPath(PathKit::circle(centre, 4), style.accent);
}

const std::map<Emblem, Painter>& painters() {
  static const std::map<Emblem, Painter> table = {
      {Emblem::Mammal, paintMammal},       {Emblem::Bird, paintBird},
      {Emblem::Reptile, paintReptile},     {Emblem::Amphibian, paintAmphibian},
      {Emblem::Fish, paintFish},           {Emblem::Crustacean, paintCrustacean},
      {Emblem::Jellyfish, paintJellyfish}, {Emblem::Insect, paintInsect},
      {Emblem::Millipede, paintMillipede}, {Emblem::Spider, paintSpider},
      {Emblem::Snail, paintSnail},         {Emblem::Earthworm, paintEarthworm},
      {Emblem::Starfish, paintStarfish},
  };
  return table;
}

}  // namespace

bool AnimalEmblemPainter::handles(Emblem emblem) { return painters().contains(emblem); }

void AnimalEmblemPainter::paint(QPainter& painter, const GroupStyle& style) {
  painters().at(style.emblem)(painter, style);
}

}  // namespace sylvenor::draw
