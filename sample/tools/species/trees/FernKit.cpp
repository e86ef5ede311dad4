#include "FernKit.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "BotanyKit.h"
#include "DrawingKit.h"

namespace sylvenor::draw {

namespace {

constexpr qreal kPi = 3.14159265358979323846;

QPolygonF spiral(QPointF start, qreal radius, qreal turns) {
  const QPointF centre = start + QPointF(radius, 0);
  QPolygonF points;
  const int steps = int(turns * 40);
  for (int i = 0; i <= steps; ++i) {
    const qreal swept = turns * 2 * kPi * i / steps;
    const qreal r = radius * std::exp(-0.32 * swept);
    points << centre + QPointF(std::cos(kPi + swept) * r, std::sin(kPi + swept) * r);
  }
  return points;
}

struct Curve {
  QPointF start, control1, control2, end;
};

void append(QPainterPath& path, const Curve& piece, bool forward) {
  if (forward) {
    path.cubicTo(piece.control1, piece.control2, piece.end);
  } else {
    path.cubicTo(piece.control2, piece.control1, piece.start);
  }
}

qreal bladeWidthAt(qreal along) {
  return std::pow(std::max(0.0, 1 - along), 0.55) * (0.72 + 0.28 * std::min(1.0, along / 0.18));
}

// One side of a lobed blade, from its base to its tip, as cubic pieces.
std::vector<Curve> bladeSide(const QPainterPath& midrib, qreal halfWidth, int lobes, qreal cut,
                             qreal side, std::vector<QLineF>& veins) {
  std::vector<Curve> curves;
  const qreal span = 0.94 / lobes;
  auto sinus = [&](qreal u) {
    return midrib.pointAtPercent(u) +
           BotanyKit::normalAt(midrib, u) * (side * halfWidth * bladeWidthAt(u) * (1 - cut));
  };
  for (int j = 0; j < lobes; ++j) {
    const qreal u0 = j * span;
    const qreal u1 = u0 + span;
    const qreal middle = u0 + span * 0.62;
    const QPointF tangent = BotanyKit::tangentAt(midrib, middle);
    const QPointF normal = BotanyKit::normalAt(midrib, middle) * side;
    const qreal reach = halfWidth * bladeWidthAt(middle);
    const qreal length = midrib.length() * span;
    const QPointF tip = midrib.pointAtPercent(middle) + normal * reach + tangent * (length * 0.3);
    curves.push_back({sinus(u0), sinus(u0) + normal * (reach * 0.45) - tangent * (length * 0.1),
                      tip - tangent * (length * 0.55), tip});
    curves.push_back({tip, tip + tangent * (length * 0.45),
                      sinus(u1) + normal * (reach * 0.5) - tangent * (length * 0.05), sinus(u1)});
    veins.emplace_back(midrib.pointAtPercent(u0 + span * 0.4), tip - normal * (reach * 0.12));
  }
  const QPointF apex = midrib.pointAtPercent(1);
  curves.push_back({sinus(0.94), sinus(0.94), apex, apex});
  return curves;
}

}  // namespace

FernKit::Blade FernKit::lobedBlade(const QPainterPath& midrib, qreal halfWidth, int lobesPerSide,
                                   qreal cut) {
  Blade blade;
  const std::vector<Curve> left =
      bladeSide(midrib, halfWidth, lobesPerSide, cut, -1, blade.lobeVeins);
  const std::vector<Curve> right =
      bladeSide(midrib, halfWidth, lobesPerSide, cut, 1, blade.lobeVeins);
  blade.outline.moveTo(midrib.pointAtPercent(0));
  blade.outline.lineTo(left.front().start);
  for (const Curve& piece : left) append(blade.outline, piece, true);
  for (auto piece = right.rbegin(); piece != right.rend(); ++piece) {
    append(blade.outline, *piece, false);
  }
  blade.outline.closeSubpath();
  return blade;
}

void FernKit::paintRoot(QPainter& painter, QPointF origin, qreal angle, qreal length, qreal width,
                        const QColor& colour, std::mt19937& random) {
  QPolygonF points{origin};
  const int steps = std::max(3, int(length / 10));
  for (int i = 0; i < steps; ++i) {
    angle += BotanyKit::uniform(random, -20, 20) + 0.12 * (90 - angle);
    points << points.last() + BotanyKit::polar(angle, length / steps);
  }
  const QPainterPath spine = DrawingKit::smoothOpen(points);
  if (length > 40) {
    const int rootlets = int(BotanyKit::uniform(random, 1, 3.99));
    for (int k = 0; k < rootlets; ++k) {
      const qreal t = BotanyKit::uniform(random, 0.25, 0.8);
      const qreal side = BotanyKit::uniform(random, 0, 1) < 0.5 ? -1 : 1;
      paintRoot(painter, spine.pointAtPercent(t),
                BotanyKit::angleOf(BotanyKit::tangentAt(spine, t)) + side * 45,
                length * BotanyKit::uniform(random, 0.25, 0.45), width * 0.55, colour, random);
    }
  }
  painter.fillPath(BotanyKit::taper(spine, width, width * 0.3), colour);
}

void FernKit::paintRootFringe(QPainter& painter, const QPainterPath& rhizome, int count,
                              qreal length, const QColor& colour, unsigned seed) {
  std::mt19937 random(seed);
  for (int i = 0; i < count; ++i) {
    const qreal t = (i + BotanyKit::uniform(random, 0.1, 0.9)) / count;
    paintRoot(painter, rhizome.pointAtPercent(t), 90 + BotanyKit::uniform(random, -40, 40),
              length * BotanyKit::uniform(random, 0.55, 1.15), 3.4, colour, random);
  }
}

void FernKit::paintScales(QPainter& painter, const QPainterPath& spine, qreal width, int count,
                          const QColor& colour, unsigned seed) {
  std::mt19937 random(seed);
  for (int i = 0; i < count; ++i) {
    const qreal t = BotanyKit::uniform(random, 0, 1);
    const QPointF base =
        spine.pointAtPercent(t) +
        BotanyKit::normalAt(spine, t) * (BotanyKit::uniform(random, -0.5, 0.5) * width);
    const qreal angle =
        BotanyKit::angleOf(BotanyKit::tangentAt(spine, t)) + BotanyKit::uniform(random, -30, 30);
    const qreal size = width * BotanyKit::uniform(random, 0.3, 0.55);
    const QPointF tip = base + BotanyKit::polar(angle, size);
    const QPainterPath scale = BotanyKit::spindle(base, (base + tip) / 2, tip, size * 0.45);
    const QColor tint = BotanyKit::varied(colour, random, 22);
    painter.fillPath(scale, tint);
    DrawingKit::outline(painter, scale, tint.darker(150), 0.4);
  }
}

void FernKit::paintShortRhizome(QPainter& painter, QPointF top, qreal width, qreal height,
                                const QColor& colour, const QColor& scales, unsigned seed) {
  std::mt19937 random(seed);
  for (qreal lean : {-42.0, -30.0, -18.0, -6.0, 8.0, 20.0, 32.0, 44.0}) {
    const QPointF from = top + QPointF(lean * width * 0.008, height * 0.45);
    const qreal reach = height * BotanyKit::uniform(random, 0.6, 0.8);
    const QPainterPath spine =
        BotanyKit::curve(from, from + BotanyKit::polar(-90 + lean * 0.8, reach * 0.5),
                         from + BotanyKit::polar(-90 + lean * 1.2, reach));
    BotanyKit::paintStem(painter, spine, width * 0.2, width * 0.17, colour.darker(135));
  }
  const QPainterPath body =
      BotanyKit::curve(top + QPointF(-width * 0.04, height), top + QPointF(0, height * 0.5), top);
  BotanyKit::paintStem(painter, body, width * 0.8, width, colour);
  paintScales(painter, body, width * 0.9, DrawingKit::isEnlarged(painter) ? 140 : 70, scales, seed);
}

void FernKit::paintCrozier(QPainter& painter, QPointF base, qreal height, qreal coil,
                           const QColor& colour, const QColor& scales) {
  const QPointF start = base + QPointF(coil * 0.1, -(height - 2 * coil));
  const QPainterPath stalk =
      BotanyKit::curve(base, base + QPointF(-coil * 0.2, -height * 0.4), start);
  BotanyKit::paintStem(painter, stalk, coil * 0.42, coil * 0.46, colour);
  const QPolygonF points = spiral(start, coil, 1.6);
  const QPainterPath curl = DrawingKit::smoothOpen(points);
  for (int i = 2; i < points.size() - 8; i += 5) {
    const qreal t = qreal(i) / points.size();
    const QPointF outer =
        curl.pointAtPercent(t) - BotanyKit::normalAt(curl, t) * (coil * (0.3 - 0.15 * t));
    painter.setPen(QPen(colour.darker(170), 0.6));
    painter.setBrush(colour.lighter(108));
    painter.drawEllipse(outer, coil * (0.16 - 0.08 * t), coil * (0.16 - 0.08 * t));
  }
  BotanyKit::paintStem(painter, curl, coil * 0.62, coil * 0.22, colour);
  paintScales(painter, stalk, coil * 0.42, 26, scales, 91);
  paintScales(painter, curl, coil * 0.5, 60, scales, 92);
}

}  // namespace sylvenor::draw
