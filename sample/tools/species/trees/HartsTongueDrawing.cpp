#include "HartsTongueDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <vector>

#include "BotanyKit.h"
#include "DrawingKit.h"
#include "FernKit.h"

namespace sylvenor::draw {

namespace {

constexpr qreal kPi = 3.14159265358979323846;
const QColor kLeaf(74, 152, 46);
const QColor kUnderside(146, 178, 98);
const QColor kSorus(140, 78, 34);
const QColor kStalk(92, 60, 46);
const QColor kScale(150, 104, 60);
const QColor kRoot(72, 50, 36);
const QPointF kCrown(500, 612);
constexpr qreal kStalkShare = 0.16;

}  // namespace

HartsTongueDrawing::Blade::Blade(const QPainterPath& midrib, qreal halfWidth)
    : midrib_(midrib), halfWidth_(halfWidth), length_(midrib.length()) {}

QPointF HartsTongueDrawing::Blade::at(qreal across, qreal along) const {
  if (along < 0) {
    return midrib_.pointAtPercent(0) + BotanyKit::tangentAt(midrib_, 0) * along +
           BotanyKit::normalAt(midrib_, 0) * across;
  }
  const qreal t = std::min(1.0, along / length_);
  return midrib_.pointAtPercent(t) + BotanyKit::normalAt(midrib_, t) * across;
}

// The strap keeps its width, with gentle waves, and narrows only near its pointed tip.
qreal HartsTongueDrawing::Blade::widthAt(qreal along) const {
  const qreal u = along / length_;
  const qreal taper = u < 0.72 ? 1 : std::pow(std::cos((u - 0.72) / 0.28 * kPi / 2), 0.75);
  const qreal wave = 1 + 0.07 * std::sin(u * kPi * 13 + halfWidth_);
  return halfWidth_ * taper * wave * (0.9 + 0.1 * std::min(1.0, u / 0.2));
}

QPainterPath HartsTongueDrawing::Blade::outline() const {
  const qreal w = halfWidth_;
  const qreal l = length_;
  QPolygonF points;
  for (qreal side : {-1.0, 1.0}) {
    QPolygonF half{at(side * 0.06 * w, 0.01 * l), at(side * 0.45 * w, -0.07 * l),
                   at(side * 0.9 * w, -0.06 * l), at(side * 1.05 * w, 0.0)};
    for (int i = 1; i <= 48; ++i) {
      const qreal along = l * (0.04 + 0.955 * i / 48);
      half << at(side * widthAt(along), along);
    }
    if (side < 0) {
      points = half;
    } else {
      for (auto point = half.crbegin(); point != half.crend(); ++point) points << *point;
    }
  }
  QPainterPath path = DrawingKit::smoothOpen(points);
  path.closeSubpath();
  return path;
}

QPainterPath HartsTongueDrawing::Blade::band(qreal from, qreal to) const {
  QPolygonF points;
  const int steps = 30;
  auto edge = [&](int i, qreal across) {
    const qreal along = length_ * (0.04 + 0.84 * i / steps);
    const qreal fade = std::pow(std::sin(kPi * i / steps), 0.4);
    return at(across * fade * widthAt(along), along);
  };
  for (int i = 0; i <= steps; ++i) points << edge(i, from);
  for (int i = steps; i >= 0; --i) points << edge(i, to);
  QPainterPath path;
  path.addPolygon(points);
  path.closeSubpath();
  return path;
}

void HartsTongueDrawing::paintUpperSide(QPainter& painter, const Blade& blade) {
  const QPainterPath shape = blade.outline();
  painter.fillPath(shape, kLeaf);
  // Soft sheen on the lit half, soft shade on the other: the frond is glossy and a little
  // folded along its midrib.
  for (int layer = 0; layer < 4; ++layer) {
    const qreal inset = layer * 0.1;
    painter.fillPath(blade.band(0.2 + inset, 1.0), QColor(20, 50, 10, 14));
    painter.fillPath(blade.band(-0.82 + inset, -0.12 - inset * 0.6), QColor(255, 255, 230, 16));
  }
  painter.save();
  painter.setClipPath(shape);
  if (DrawingKit::isEnlarged(painter)) {
    for (int i = 2; i < 46; ++i) {
      const qreal along = blade.length() * i / 50;
      for (qreal side : {-1.0, 1.0}) {
        DrawingKit::outline(painter,
                            BotanyKit::curve(blade.at(side * 3, along),
                                             blade.at(side * blade.halfWidth() * 0.5, along + 6),
                                             blade.at(side * blade.halfWidth() * 0.85, along + 16)),
                            QColor(150, 200, 110, 90), 0.5);
      }
    }
  }
  painter.restore();
  DrawingKit::outline(painter, shape, kLeaf.darker(170), 0.9);
}

void HartsTongueDrawing::paintUnderside(QPainter& painter, const Blade& blade) {
  const QPainterPath shape = blade.outline();
  painter.fillPath(shape, kUnderside);
  painter.fillPath(blade.band(0.3, 0.95), QColor(40, 60, 10, 30));
  const qreal w = blade.halfWidth();
  const bool fine = DrawingKit::isEnlarged(painter);
  for (qreal along = blade.length() * 0.2; along < blade.length() * 0.86; along += 11) {
    for (qreal side : {-1.0, 1.0}) {
      const QPointF start = blade.at(side * w * 0.16, along);
      const QPointF end = blade.at(side * w * 0.8, along + w * 0.5);
      const QPainterPath stripe =
          BotanyKit::taper(BotanyKit::curve(start, (start + end) / 2, end), 3.8, 3.2);
      painter.fillPath(stripe, kSorus);
      DrawingKit::outline(painter, stripe, kSorus.darker(150), 0.5);
      if (fine)
        DrawingKit::outline(painter, BotanyKit::curve(start, (start + end) / 2, end),
                            kSorus.lighter(150), 0.5);
    }
  }
  DrawingKit::outline(painter, shape, kUnderside.darker(160), 0.9);
}

void HartsTongueDrawing::paintFrond(QPainter& painter, const Frond& frond) {
  const QPointF base = kCrown + BotanyKit::polar(frond.angle, frond.length * kStalkShare);
  const QPainterPath stalk = BotanyKit::curve(kCrown, (kCrown + base) / 2, base);
  const QPainterPath midrib = BotanyKit::curve(
      base, base + BotanyKit::polar(frond.angle, frond.length * 0.35),
      base + BotanyKit::polar(frond.angle + frond.arch * 0.6, frond.length * 0.62),
      base + BotanyKit::polar(frond.angle + frond.arch, frond.length * (1 - kStalkShare)));
  const Blade blade(midrib, frond.length * 0.068);
  BotanyKit::castShadow(painter, blade.outline(), QPointF(4, 6));
  BotanyKit::paintStem(painter, stalk, 8, 6, kStalk);
  FernKit::paintScales(painter, stalk, 8, 10, kScale, unsigned(frond.length));
  if (frond.turned) {
    paintUnderside(painter, blade);
  } else {
    paintUpperSide(painter, blade);
  }
  BotanyKit::paintStem(painter, midrib, 4.5, 1.2,
                       frond.turned ? kUnderside.darker(125) : kLeaf.lighter(118));
}

void HartsTongueDrawing::paintRhizome(QPainter& painter) {
  const QPainterPath base =
      DrawingKit::smoothOpen(QPolygonF{{462, 650}, {486, 668}, {516, 668}, {540, 650}});
  FernKit::paintRootFringe(painter, base, 34, 80, kRoot, 81);
  FernKit::paintShortRhizome(painter, {500, 616}, 40, 52, kStalk.darker(115), kScale.darker(140),
                             82);
}

void HartsTongueDrawing::paint(QPainter& painter) {
  const std::vector<Frond> fronds = {
      {-92, 500, 8, false},    {-114, 470, -14, false}, {-70, 480, 14, false},
      {-138, 420, -22, false}, {-160, 340, -24, false}, {-24, 360, 22, false},
      {-46, 440, 18, true},
  };
  // Raised so that the tips of the roots stay inside the picture.
  painter.save();
  painter.translate(0, -40);
  paintRhizome(painter);
  for (const Frond& frond : fronds) paintFrond(painter, frond);
  painter.restore();
}

}  // namespace sylvenor::draw
