#include "BeetleLeg.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>
#include <numbers>
#include <random>

#include "DrawingKit.h"
#include "Lustre.h"

namespace sylvenor::draw {

namespace {

const QColor kShine(112, 110, 118);
const QColor kCuticle(34, 32, 36);
const QColor kShade(7, 7, 9);
const QColor kOutline(0, 0, 0);
const QColor kMembrane(150, 112, 82);
const QColor kBristle(150, 122, 84);

// A hard tube from a to b with rounded ends, swollen in the middle by "swell".
QPainterPath tube(QPointF a, qreal ra, QPointF b, qreal rb, qreal swell) {
  const QPointF d = DrawingKit::unit(b - a);
  const QPointF n(-d.y(), d.x());
  const qreal middle = (ra + rb) / 2 * swell;
  const QPointF c1 = a + (b - a) * 0.33;
  const QPointF c2 = a + (b - a) * 0.67;
  QPainterPath path(a + n * ra);
  path.cubicTo(c1 + n * middle, c2 + n * middle, b + n * rb);
  DrawingKit::appendRoundEnd(path, b, d, rb);
  path.cubicTo(c2 - n * middle, c1 - n * middle, a - n * ra);
  DrawingKit::appendRoundEnd(path, a, -d, ra);
  path.closeSubpath();
  return path;
}

}  // namespace

BeetleLeg::BeetleLeg(const LegPose& pose) : pose_(pose) {
  const qreal radians = pose.tarsusHeading * std::numbers::pi / 180;
  along_ = QPointF(std::cos(radians), std::sin(radians));
  across_ = QPointF(-along_.y(), along_.x());
}

BeetleLeg::Piece BeetleLeg::femur() const {
  const QPointF d = DrawingKit::unit(pose_.knee - pose_.base);
  return {pose_.base, pose_.knee - d * 8, 14, 10.5, 1.22};
}

BeetleLeg::Piece BeetleLeg::tibia() const {
  const QPointF d = DrawingKit::unit(pose_.ankle - pose_.knee);
  return {pose_.knee + d * 5, pose_.ankle - d * 6, 7, 10, 1.0};
}

BeetleLeg::Piece BeetleLeg::firstTarsomere() const {
  return {pose_.ankle + along_ * 3, pose_.ankle + along_ * 19, 5, 9, 1.05};
}

BeetleLeg::Piece BeetleLeg::clawArticle() const {
  return {pose_.ankle + along_ * 30, pose_.ankle + along_ * 58, 3.2, 4.0, 1.0};
}

QPainterPath BeetleLeg::padPair() const {
  // The second article is split into two lobes; the claw article rises from the notch.
  const QPointF centre = pose_.ankle + along_ * 30;
  const qreal degrees = pose_.tarsusHeading;
  QPainterPath pads;
  pads.setFillRule(Qt::WindingFill);
  for (const qreal side : {-1.0, 1.0}) {
    QPainterPath lobe;
    lobe.addEllipse(QPointF(0, 0), 10.5, 6.5);
    QTransform place;
    place.translate((centre + across_ * side * 5).x(), (centre + across_ * side * 5).y());
    place.rotate(degrees + side * 10);
    pads.addPath(place.map(lobe));
  }
  return pads.simplified();
}

QPainterPath BeetleLeg::claws() const {
  const QPointF root = clawArticle().to + along_ * 2;
  QPainterPath hooks;
  for (const qreal side : {-1.0, 1.0}) {
    hooks.moveTo(root);
    hooks.cubicTo(root + along_ * 6 + across_ * side * 3, root + along_ * 11 + across_ * side * 7,
                  root + along_ * 10 + across_ * side * 12);
  }
  return hooks;
}

std::vector<QPainterPath> BeetleLeg::silhouettes() const {
  std::vector<QPainterPath> shapes;
  for (const Piece& piece : {femur(), tibia(), firstTarsomere(), clawArticle()}) {
    shapes.push_back(tube(piece.from, piece.fromRadius, piece.to, piece.toRadius, piece.swell));
  }
  shapes.push_back(padPair());
  return shapes;
}

void BeetleLeg::paint(QPainter& painter) const {
  // From the claws back to the body: each piece overlaps the start of the next one.
  painter.save();
  paintClaws(painter);
  paintPiece(painter, clawArticle());
  paintPads(painter);
  paintPiece(painter, firstTarsomere());
  paintJoint(painter, pose_.ankle, 6.0);
  paintPiece(painter, tibia());
  paintJoint(painter, pose_.knee, 7.0);
  paintPiece(painter, femur());
  if (DrawingKit::isEnlarged(painter)) {
    paintBristles(painter, tibia(), 9, 11);
    paintBristles(painter, firstTarsomere(), 4, 23);
  }
  painter.restore();
}

void BeetleLeg::paintPiece(QPainter& painter, const Piece& piece) const {
  const QPointF d = DrawingKit::unit(piece.to - piece.from);
  QPointF n(-d.y(), d.x());
  if (QPointF::dotProduct(n, Lustre::towardsLight()) < 0) n = -n;
  const QPointF middle = (piece.from + piece.to) / 2;
  const qreal r = std::max(piece.fromRadius, piece.toRadius) * piece.swell;
  QLinearGradient shade(middle + n * r, middle - n * r);
  shade.setColorAt(0.0, kCuticle);
  shade.setColorAt(0.28, kShine);
  shade.setColorAt(0.55, kCuticle);
  shade.setColorAt(1.0, kShade);
  const QPainterPath shape =
      tube(piece.from, piece.fromRadius, piece.to, piece.toRadius, piece.swell);
  painter.fillPath(shape, shade);
  // A sharp reflection along the lit flank gives the varnished look of beetle legs.
  const qreal length = std::hypot(piece.to.x() - piece.from.x(), piece.to.y() - piece.from.y());
  const QPointF start = piece.from + d * (length * 0.22) + n * (r * 0.42);
  const QPointF end = piece.from + d * (length * 0.78) + n * (r * 0.42);
  painter.setPen(
      QPen(QColor(255, 255, 255, 120), std::max(1.0, r * 0.28), Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(start, end);
  painter.strokePath(shape, QPen(kOutline, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void BeetleLeg::paintPads(QPainter& painter) const {
  const QPainterPath pads = padPair();
  const QPointF centre = pose_.ankle + along_ * 30;
  QLinearGradient shade(centre + across_ * 12, centre - across_ * 12);
  shade.setColorAt(0.0, kCuticle);
  shade.setColorAt(0.35, kShine);
  shade.setColorAt(1.0, kShade);
  painter.fillPath(pads, shade);
  painter.strokePath(pads, QPen(kOutline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void BeetleLeg::paintClaws(QPainter& painter) const {
  painter.strokePath(claws(), QPen(kCuticle, 2.6, Qt::SolidLine, Qt::RoundCap));
}

void BeetleLeg::paintJoint(QPainter& painter, QPointF at, qreal radius) const {
  painter.setPen(QPen(kOutline, 1.0));
  painter.setBrush(kMembrane);
  painter.drawEllipse(at, radius, radius);
}

void BeetleLeg::paintBristles(QPainter& painter, const Piece& piece, int count,
                              unsigned seed) const {
  const QPointF d = DrawingKit::unit(piece.to - piece.from);
  const QPointF n(-d.y(), d.x());
  std::mt19937 generator(seed);
  std::uniform_real_distribution<qreal> place(0.15, 0.95);
  std::uniform_real_distribution<qreal> length(5.0, 8.0);
  painter.setPen(QPen(kBristle, 0.7, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < count; ++i) {
    const qreal side = i % 2 == 0 ? 1.0 : -1.0;
    const qreal u = place(generator);
    const qreal r = piece.fromRadius + (piece.toRadius - piece.fromRadius) * u;
    const QPointF root = piece.from + (piece.to - piece.from) * u + n * (side * r * 0.9);
    painter.drawLine(root, root + (d * 0.8 + n * (side * 0.5)) * length(generator));
  }
}

}  // namespace sylvenor::draw
