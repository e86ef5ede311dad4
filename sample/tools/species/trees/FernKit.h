#pragma once

#include <QColor>
#include <QLineF>
#include <QPainterPath>
#include <QPointF>
#include <random>
#include <vector>

class QPainter;

namespace sylvenor::draw {

// Underground and young parts shared by the ferns: the creeping stem (rhizome), its wiry roots,
// the brown scales that clothe stalks, and the young frond still rolled up as a crozier.
class FernKit {
 public:
  // A blade cut into rounded lobes almost down to its midrib (a pinnatifid pinna or pinnule).
  struct Blade {
    QPainterPath outline;
    std::vector<QLineF> lobeVeins;  // from the midrib to the tip of each lobe
  };
  // `halfWidth` is the widest reach of a lobe from the midrib, `cut` how deep the sinuses go
  // (0 = entire, 1 = down to the midrib); the blade keeps its width, then tapers to its tip.
  static Blade lobedBlade(const QPainterPath& midrib, qreal halfWidth, int lobesPerSide, qreal cut);

  // A wiry root that wanders downwards from `origin` and sends off a few rootlets.
  static void paintRoot(QPainter& painter, QPointF origin, qreal angle, qreal length, qreal width,
                        const QColor& colour, std::mt19937& random);
  // A fringe of roots hanging from the underside of a rhizome.
  static void paintRootFringe(QPainter& painter, const QPainterPath& rhizome, int count,
                              qreal length, const QColor& colour, unsigned seed);
  // Small chaffy scales (or hairs) pressed along a stalk or a rhizome.
  static void paintScales(QPainter& painter, const QPainterPath& spine, qreal width, int count,
                          const QColor& colour, unsigned seed);
  // A short upright rhizome seen from the side, topped by the crown from which the fronds rise
  // and wrapped in the dark bases of old fronds and in brown scales; `top` is its upper end.
  static void paintShortRhizome(QPainter& painter, QPointF top, qreal width, qreal height,
                                const QColor& colour, const QColor& scales, unsigned seed);
  // A young frond rising from `base`, its top rolled inwards like a bishop's crook.
  static void paintCrozier(QPainter& painter, QPointF base, qreal height, qreal coil,
                           const QColor& colour, const QColor& scales);
};

}  // namespace sylvenor::draw
