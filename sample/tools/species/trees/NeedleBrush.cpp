#include "NeedleBrush.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "BotanyKit.h"
#include "DrawingKit.h"

namespace sylvenor::draw {

namespace {

constexpr qreal kGoldenAngle = 137.508;
constexpr qreal kPi = 3.14159265358979323846;

qreal radians(qreal degrees) { return degrees * kPi / 180; }

// Needles are shorter where the shoot is still growing and a little shorter at its old end.
qreal lengthFactor(qreal along) {
  const qreal young = along > 0.8 ? 1 - (along - 0.8) * 2.6 : 1;
  return (0.82 + 0.18 * std::sin(along * kPi)) * young;
}

}  // namespace

NeedleBrush::NeedleBrush(const NeedleShoot& shoot) : width_(shoot.width) {
  std::mt19937 random(shoot.seed);
  for (int i = 0; i < shoot.bundles; ++i) {
    const qreal along = (i + BotanyKit::uniform(random, 0.1, 0.9)) / shoot.bundles;
    addBundle(shoot, shoot.from + (shoot.to - shoot.from) * along,
              i * kGoldenAngle + BotanyKit::uniform(random, -15, 15), random);
  }
  std::stable_sort(needles_.begin(), needles_.end(),
                   [](const Needle& a, const Needle& b) { return a.depth < b.depth; });
}

void NeedleBrush::addBundle(const NeedleShoot& shoot, qreal percent, qreal around,
                            std::mt19937& random) {
  const QPointF tangent = BotanyKit::tangentAt(shoot.spine, percent);
  const QPointF normal = BotanyKit::normalAt(shoot.spine, percent);
  const QPointF base = shoot.spine.pointAtPercent(percent) +
                       normal * (std::cos(radians(around)) * shoot.stemWidth * 0.45);
  const qreal along = (percent - shoot.from) / std::max(0.01, shoot.to - shoot.from);
  const qreal spread = radians(shoot.spread * (along > 0.85 ? 0.55 + (1 - along) * 3 : 1) +
                               BotanyKit::uniform(random, -8, 8));
  const qreal sideways = std::cos(radians(around));
  const QPointF direction = tangent * std::cos(spread) + normal * (std::sin(spread) * sideways);
  const qreal depth = std::sin(spread) * std::sin(radians(around));
  const qreal length = shoot.length * lengthFactor(along) * BotanyKit::uniform(random, 0.82, 1.05);
  const qreal baseAngle = BotanyKit::angleOf(direction);
  const qreal fork = shoot.perBundle > 1 ? shoot.fork * BotanyKit::uniform(random, 0.7, 1.3) : 0;
  for (int k = 0; k < shoot.perBundle; ++k) {
    const qreal angle = baseAngle + (k - (shoot.perBundle - 1) / 2.0) * 2 * fork;
    const QPointF reach =
        BotanyKit::polar(angle, length * std::hypot(direction.x(), direction.y()));
    const QPointF across(-reach.y(), reach.x());
    const QPointF control = base + reach * 0.5 +
                            across * BotanyKit::uniform(random, -shoot.bend, shoot.bend) +
                            QPointF(0, length * shoot.droop);
    const QPointF tip = base + reach + QPointF(0, length * shoot.droop * 1.2);
    const QColor colour = BotanyKit::varied(shoot.colour, random, 12);
    needles_.push_back({BotanyKit::spindle(base, control, tip, shoot.width),
                        BotanyKit::curve(base + reach * 0.08, control, tip - reach * 0.1), colour,
                        depth + k * 0.001});
  }
  if (shoot.perBundle > 1) {
    const QPointF reach = direction * (shoot.width * 2.2);
    sheaths_.push_back({BotanyKit::spindle(base - reach * 0.2, base + reach * 0.5, base + reach,
                                           shoot.width * 1.35),
                        depth + 0.01});
  }
}

void NeedleBrush::paintFarSide(QPainter& painter) const { paint(painter, false); }

void NeedleBrush::paintNearSide(QPainter& painter) const { paint(painter, true); }

void NeedleBrush::paint(QPainter& painter, bool nearSide) const {
  const bool fine = DrawingKit::isEnlarged(painter);
  for (const Needle& needle : needles_) {
    if ((needle.depth >= 0) != nearSide) continue;
    const qreal shade = needle.depth < 0 ? 1.0 + 0.45 * -needle.depth : 1.0 - 0.08 * needle.depth;
    const QColor colour = needle.colour.darker(int(100 * shade));
    painter.fillPath(needle.shape, colour);
    DrawingKit::outline(painter, needle.shape, colour.darker(150), width_ * 0.16);
    if (nearSide || fine) {
      DrawingKit::outline(painter, needle.midline, colour.lighter(fine ? 128 : 118), width_ * 0.28);
    }
  }
  for (const Sheath& sheath : sheaths_) {
    if ((sheath.depth >= 0) != nearSide) continue;
    painter.fillPath(sheath.shape, QColor(112, 98, 84, 220));
  }
}

}  // namespace sylvenor::draw
