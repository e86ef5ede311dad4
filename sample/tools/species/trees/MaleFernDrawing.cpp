#include "MaleFernDrawing.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "BotanyKit.h"
#include "DrawingKit.h"
#include "FernKit.h"

namespace sylvenor::draw {

namespace {

const QColor kLeaf(62, 122, 46);
const QColor kUnderside(138, 168, 98);
const QColor kSorus(122, 74, 36);
const QColor kStalk(120, 128, 62);
const QColor kScale(176, 128, 72);
const QColor kRhizome(86, 58, 36);
const QColor kRoot(74, 52, 36);

const QPointF kCrown(500, 598);
constexpr qreal kStipe = 0.2;  // part of the frond that is bare stalk

// Lance-shaped frond: the lowest pinnae a little shorter, the widest a third of the way up.
qreal pinnaLength(qreal along) {
  if (along < 0.32) return 0.64 + 0.36 * along / 0.32;
  return std::pow((1 - along) / 0.68, 0.9);
}

}  // namespace

QPainterPath MaleFernDrawing::spineOf(const Frond& frond) {
  return BotanyKit::curve(
      kCrown, kCrown + BotanyKit::polar(frond.angle, frond.length * 0.42),
      kCrown + BotanyKit::polar(frond.angle + frond.arch * 0.55, frond.length * 0.78),
      kCrown + BotanyKit::polar(frond.angle + frond.arch, frond.length));
}

void MaleFernDrawing::paintPinna(QPainter& painter, const QPainterPath& midrib, qreal halfWidth,
                                 bool turned) {
  const int lobes = std::clamp(int(midrib.length() / 9.5), 1, 15);
  const FernKit::Blade blade = FernKit::lobedBlade(midrib, halfWidth, lobes, lobes > 2 ? 0.8 : 0.3);
  const QColor colour = turned ? kUnderside : kLeaf;
  painter.fillPath(blade.outline.translated(1.2, 1.8), QColor(0, 0, 0, 40));
  painter.fillPath(blade.outline, colour);
  DrawingKit::outline(painter, blade.outline, colour.darker(160), 0.55);
  DrawingKit::outline(painter, midrib, colour.lighter(turned ? 90 : 130), 0.9);
  const bool fine = DrawingKit::isEnlarged(painter);
  if (!turned) {
    if (!fine) return;
    for (const QLineF& vein : blade.lobeVeins) {
      DrawingKit::outline(painter, BotanyKit::curve(vein.p1(), vein.center(), vein.p2()),
                          colour.lighter(120), 0.4);
    }
    return;
  }
  painter.save();
  for (const QLineF& vein : blade.lobeVeins) {
    const QPointF across = QPointF(-vein.dy(), vein.dx()) / std::max(1.0, vein.length());
    const qreal radius = std::clamp(vein.length() * 0.16, 1.6, 3.1);
    for (qreal along : {0.3, 0.6}) {
      if (along > 0.5 && vein.length() < 14) continue;
      for (qreal side : {-1.0, 1.0}) {
        const QPointF centre = vein.pointAt(along) + across * (side * radius * 1.25);
        painter.setPen(QPen(kSorus.darker(150), 0.5));
        painter.setBrush(kSorus);
        painter.drawEllipse(centre, radius, radius);
        if (fine) {
          painter.setPen(Qt::NoPen);
          painter.setBrush(kSorus.lighter(150));
          painter.drawEllipse(centre - QPointF(radius * 0.25, radius * 0.25), radius * 0.35,
                              radius * 0.35);
        }
      }
    }
  }
  painter.restore();
}

void MaleFernDrawing::paintFrond(QPainter& painter, const Frond& frond) {
  const QPainterPath spine = spineOf(frond);
  const int pairs = 22;
  const qreal widest = frond.length * 0.19;
  for (int i = pairs - 1; i >= 0; --i) {
    for (int side : {-1, 1}) {
      const qreal along = (i + (side > 0 ? 0.5 : 0)) / pairs;
      const qreal t = kStipe + (0.97 - kStipe) * along;
      const qreal length = widest * pinnaLength(along);
      const qreal angle = BotanyKit::angleOf(BotanyKit::tangentAt(spine, t)) + side * 72;
      const QPointF base = spine.pointAtPercent(t);
      const QPainterPath midrib =
          BotanyKit::curve(base, base + BotanyKit::polar(angle, length * 0.5),
                           base + BotanyKit::polar(angle - side * 8, length));
      paintPinna(painter, midrib, std::max(3.0, length * 0.2), frond.turned);
    }
  }
  const QPointF top = spine.pointAtPercent(0.97);
  const qreal tipAngle = BotanyKit::angleOf(BotanyKit::tangentAt(spine, 0.97));
  paintPinna(painter,
             BotanyKit::curve(top, top + BotanyKit::polar(tipAngle, 12),
                              top + BotanyKit::polar(tipAngle, 24)),
             5, frond.turned);
  BotanyKit::paintStem(painter, spine, 9, 2.5, frond.turned ? kStalk.lighter(115) : kStalk);
  FernKit::paintScales(painter, spine, 10, DrawingKit::isEnlarged(painter) ? 50 : 26, kScale,
                       unsigned(frond.length));
}

void MaleFernDrawing::paintRhizome(QPainter& painter) {
  const QPainterPath base =
      DrawingKit::smoothOpen(QPolygonF{{440, 640}, {475, 662}, {525, 664}, {565, 642}});
  FernKit::paintRootFringe(painter, base, 40, 72, kRoot, 71);
  FernKit::paintShortRhizome(painter, {499, 614}, 58, 60, kRhizome, kScale.darker(150), 72);
}

void MaleFernDrawing::paint(QPainter& painter) {
  const std::vector<Frond> fronds = {
      {-96, 530, 10, false}, {-72, 510, 16, false},   {-118, 500, -16, false},
      {-50, 470, 26, false}, {-140, 470, -26, false}, {-162, 400, -30, false},
      {-24, 420, 34, true},
  };
  paintRhizome(painter);
  for (const Frond& frond : fronds) paintFrond(painter, frond);
  FernKit::paintCrozier(painter, kCrown + QPointF(8, 4), 215, 36, QColor(138, 128, 64),
                        kScale.lighter(118));
}

}  // namespace sylvenor::draw
