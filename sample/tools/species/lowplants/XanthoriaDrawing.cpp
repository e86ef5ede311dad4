#include "XanthoriaDrawing.h"

#include <QLineF>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>

#include "BarkPiece.h"
#include "PathKit.h"

namespace sylvenor::draw {

using Kit = LowPlantKit;

namespace {

const QPointF kCentre(500, 372);
constexpr qreal kRadius = 282;
const QColor kLobeOutline(176, 98, 10);

}  // namespace

void XanthoriaDrawing::paint(QPainter& painter) {
  const bool detailed = Kit::isEnlarged(painter);
  BarkPiece::paint(painter, BarkPiece::outline(QRectF(60, 60, 880, 610), 17), 17, detailed);
  Kit::Random random(52);
  // Outer lobes first, then shorter ones crowding over them towards the centre.
  for (const Lobe& lobe : lobes(0.86, 1.0, 30, random)) paintLobe(painter, lobe, 0.3, detailed);
  for (const Lobe& lobe : lobes(0.7, 0.82, 24, random)) paintLobe(painter, lobe, 0.2, detailed);
  for (const Lobe& lobe : lobes(0.52, 0.62, 18, random)) paintLobe(painter, lobe, 0.0, detailed);
  for (const Cup& cup : cups()) paintCup(painter, cup, detailed);
}

QVector<XanthoriaDrawing::Lobe> XanthoriaDrawing::lobes(qreal inner, qreal outer, int count,
                                                        Kit::Random& random) {
  // The rosette is never a perfect circle: it bulges where it has grown best.
  QVector<Lobe> result;
  const qreal offset = Kit::uniform(random, 0, 360);
  for (int i = 0; i < count; ++i) {
    const qreal angle = offset + 360.0 * i / count + Kit::uniform(random, -5, 5);
    const qreal bulge = 1 + 0.07 * qSin(qDegreesToRadians(2 * angle + 40)) +
                        0.04 * qSin(qDegreesToRadians(3 * angle));
    const qreal reach = kRadius * bulge * Kit::uniform(random, inner, outer);
    const qreal spacing = 2 * M_PI * reach / count;
    result.push_back({angle, reach, spacing * Kit::uniform(random, 0.9, 1.45),
                      2 + int(Kit::uniform(random, 0, 2))});
  }
  return result;
}

void XanthoriaDrawing::paintLobe(QPainter& painter, const Lobe& lobe, qreal start, bool detailed) {
  // A flat strap widening outwards and ending in a few rounded crenae.
  painter.save();
  painter.translate(kCentre);
  painter.rotate(lobe.angle);
  painter.scale(1.08, 1.0);
  const qreal base = lobe.reach * start;
  const qreal half = lobe.width / 2;
  QVector<QPointF> edge{{base, -half * 0.5}, {lobe.reach * 0.62, -half * 0.86}};
  // Rounded scallops with sharp notches between them: a crenate margin.
  const int steps = lobe.crenae * 8;
  for (int k = 0; k <= steps; ++k) {
    const qreal u = qreal(k) / steps;
    const qreal across = -half * 0.94 + lobe.width * 0.94 * u;
    const qreal scallop = half * 0.22 * (1 - qAbs(qSin(M_PI * lobe.crenae * u)));
    edge << QPointF(lobe.reach - scallop - across * across / half * 0.35, across);
  }
  edge << QPointF(lobe.reach * 0.62, half * 0.86) << QPointF(base, half * 0.5);
  const QPainterPath shape = Kit::smoothClosed(edge);
  QRadialGradient sun(QPointF(0, 0), lobe.reach);
  sun.setColorAt(0, QColor(232, 128, 16));
  sun.setColorAt(0.7, QColor(242, 168, 34));
  sun.setColorAt(1, QColor(250, 200, 64));
  Kit::fillOutlined(painter, shape, sun, kLobeOutline, 1.2);
  // The margin of a lobe is slightly raised and catches the light.
  Kit::outline(painter, Kit::smoothOpen(edge.mid(3, steps - 2)).translated(-4, 0),
               QColor(255, 236, 150, 150), 2);
  if (detailed) {
    Kit::Random random(std::uint32_t(lobe.angle * 10));
    for (int i = 0; i < 5; ++i) {
      const qreal x = Kit::uniform(random, base + 20, lobe.reach * 0.85);
      const qreal y = Kit::uniform(random, -half * 0.5, half * 0.5);
      Kit::outline(painter, Kit::smoothOpen({{x - 6, y - 3}, {x, y + 1}, {x + 6, y - 2}}),
                   QColor(190, 110, 10, 110), 0.9);
    }
  }
  painter.restore();
}

QVector<XanthoriaDrawing::Cup> XanthoriaDrawing::cups() {
  // Crowded in the old centre of the rosette, larger there and smaller outwards.
  QVector<Cup> result;
  Kit::Random random(61);
  for (int attempt = 0; attempt < 20000 && result.size() < 90; ++attempt) {
    const qreal distance = kRadius * 0.6 * qSqrt(Kit::uniform(random, 0, 1));
    const QPointF at = Kit::polar(kCentre, distance, Kit::uniform(random, 0, 360));
    const qreal radius = (30 - distance * 0.11) * Kit::uniform(random, 0.7, 1.05);
    bool clear = true;
    for (const Cup& other : result) {
      clear = clear && QLineF(at, other.centre).length() > (radius + other.radius) * 0.82;
    }
    if (clear) result.push_back({at, radius});
  }
  // Far cups first, so that the nearer ones overlap them as they do on the living lichen.
  std::sort(result.begin(), result.end(),
            [](const Cup& a, const Cup& b) { return a.centre.y() < b.centre.y(); });
  return result;
}

void XanthoriaDrawing::paintCup(QPainter& painter, const Cup& cup, bool detailed) {
  const qreal r = cup.radius;
  // A rim of thallus round a deeper orange disc, hollow like a cup.
  QRadialGradient rim(cup.centre + QPointF(-r * 0.3, -r * 0.35), r * 1.3);
  rim.setColorAt(0, QColor(255, 214, 90));
  rim.setColorAt(1, QColor(226, 140, 22));
  Kit::fillOutlined(painter, PathKit::ellipse(cup.centre, r, r * 0.94), rim, kLobeOutline, 1.1);
  const qreal inner = r * 0.74;
  QRadialGradient disc(cup.centre + QPointF(inner * 0.3, inner * 0.35), inner * 1.25);
  disc.setColorAt(0, QColor(238, 132, 24));
  disc.setColorAt(0.6, QColor(214, 104, 14));
  disc.setColorAt(1, QColor(160, 66, 6));
  Kit::fillOutlined(painter, PathKit::ellipse(cup.centre + QPointF(0.5, 0.8), inner, inner * 0.92),
                    disc, QColor(150, 70, 8), 0.9);
  if (detailed) {
    Kit::outline(painter,
                 PathKit::ellipse(cup.centre + QPointF(0.5, 0.8), inner * 0.9, inner * 0.82),
                 QColor(255, 190, 90, 60), 1.2);
  }
}

}  // namespace sylvenor::draw
