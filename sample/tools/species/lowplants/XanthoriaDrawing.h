#pragma once

#include <QPointF>
#include <QVector>

#include "LowPlantKit.h"

class QPainter;

namespace sylvenor::draw {

// Xanthorie des murailles on a piece of bark: a bright orange-yellow rosette of small flat lobes
// with many orange cup-shaped fruiting discs crowded in its centre.
class XanthoriaDrawing {
 public:
  static void paint(QPainter& painter);

 private:
  struct Lobe {
    qreal angle;
    qreal reach;
    qreal width;
    int crenae;
  };
  struct Cup {
    QPointF centre;
    qreal radius;
  };

  static QVector<Lobe> lobes(qreal inner, qreal outer, int count, LowPlantKit::Random& random);
  static void paintLobe(QPainter& painter, const Lobe& lobe, qreal start, bool detailed);
  static QVector<Cup> cups();
  static void paintCup(QPainter& painter, const Cup& cup, bool detailed);
};

}  // namespace sylvenor::draw
