#include "PlantBodyDrawings.h"

#include <QPainter>
#include <QPainterPath>

#include "DiagramKit.h"
#include "PathKit.h"
#include "PlantParts.h"

namespace sylvenor::draw {

namespace {

const QColor kShoot(0x4f, 0x8a, 0x2e);
const QColor kTinyLeaf(0x7e, 0xbe, 0x4a);
const QPointF kLensCentre(600, 150);
constexpr qreal kLensRadius = 112;

}  // namespace

void PlantBodyDrawings::stemsAndLeaves(QPainter& painter) {
  PlantParts::soil(painter, {0, 290, 744, 40});
  PlantParts::leafyStem(painter, {230, 292}, 256);
  for (int i = 0; i < 5; ++i) {
    paintTinyShoot(painter, {432 + i * 7.0, 292}, 22 + (i % 2) * 6, 5);
  }
  DiagramKit::lens(painter, {446, 276}, 24, kLensCentre, kLensRadius, [](QPainter& inner) {
    paintTinyShoot(inner, kLensCentre + QPointF(0, 130), 240, 30);
  });
  DiagramKit::label(painter, {{226, 230}}, {90, 200}, QStringLiteral("tige"));
  DiagramKit::label(painter, {{316, 146}}, {380, 60}, QStringLiteral("feuille"));
  DiagramKit::label(painter, {{630, 110}}, {690, 290}, QStringLiteral("petites\nfeuilles"));
}

// A very small plant: a thin stem packed with tiny pointed leaves all around it.
void PlantBodyDrawings::paintTinyShoot(QPainter& painter, QPointF base, qreal height,
                                       qreal leafLength) {
  const QPointF top = base - QPointF(0, height);
  painter.fillPath(
      DiagramKit::tapered(PathKit::polyline({base, top}), leafLength * 0.4, leafLength * 0.25),
      kShoot);
  const int leaves = 14;
  for (int i = 0; i < leaves; ++i) {
    const qreal t = 0.12 + 0.86 * i / leaves;
    const QPointF node = base + (top - base) * t;
    const qreal side = i % 2 == 0 ? -1 : 1;
    const QPointF tip = node + QPointF(side * leafLength * 0.8, -leafLength * 0.9);
    PathKit::fillOutlined(painter, PathKit::leaf(node, tip, 0.36),
                          DiagramKit::linear(node, tip, kShoot, kTinyLeaf), kShoot.darker(130),
                          leafLength * 0.04);
  }
}

void PlantBodyDrawings::noStemNoLeaf(QPainter& painter) {
  paintBlades(painter);
  paintCrustedStone(painter);
  DiagramKit::medallion(painter, {372, 70}, 50, 0.42, {230, 160}, [](QPainter& inner) {
    PlantParts::leafyStem(inner, {230, 292}, 256);
  });
  DiagramKit::label(painter, {{200, 150}}, {80, 60}, QStringLiteral("une lame"));
  DiagramKit::label(painter, {{600, 200}}, {650, 60}, QStringLiteral("une croûte"));
}

// Flat ribbons rising from a small sucker on a stone: nothing is stem and nothing is leaf.
void PlantBodyDrawings::paintBlades(QPainter& painter) {
  QPainterPath left(QPointF(160, 300));
  left.cubicTo(130, 220, 200, 150, 120, 30);
  QPainterPath right(QPointF(168, 300));
  right.cubicTo(210, 230, 210, 170, 290, 70);
  PlantParts::blade(painter, left, 80);
  PlantParts::blade(painter, right, 70);
  PlantParts::stone(painter, PathKit::ellipse({160, 330}, 110, 36));
  painter.fillPath(PathKit::ellipse({164, 298}, 20, 9), QColor(0x6a, 0x50, 0x18));
}

void PlantBodyDrawings::paintCrustedStone(QPainter& painter) {
  QPainterPath rock(QPointF(420, 340));
  rock.cubicTo(420, 200, 500, 130, 600, 140);
  rock.cubicTo(700, 150, 740, 230, 760, 340);
  rock.closeSubpath();
  PlantParts::stone(painter, rock);
  PlantParts::crust(painter, {600, 200}, 44, PlantParts::kCrustOrange);
  PlantParts::crust(painter, {510, 262}, 30, PlantParts::kCrustGrey);
  PlantParts::crust(painter, {680, 266}, 34, PlantParts::kCrustOrange);
}

}  // namespace sylvenor::draw
