#pragma once

#include <QColor>
#include <QPointF>
#include <QVector>

#include "LowPlantKit.h"

class QPainter;

namespace sylvenor::draw {

// Sphaigne: a few stems, each crowned by a dense round head of short star-like branches, with
// bundles of spreading and hanging branches below; pale green tinged with red, bleached and dead
// towards the base. Neither roots nor rhizoids.
class SphagnumDrawing {
 public:
  static void paint(QPainter& painter);

 private:
  struct Stem {
    QPointF base;
    QPointF bend;
    QPointF head;
    qreal headRadius;
    qreal redness;
  };

  static void paintStem(QPainter& painter, const Stem& stem, bool front, bool detailed);
  static void paintFascicle(QPainter& painter, QPointF at, qreal height, const Stem& stem,
                            bool front, LowPlantKit::Random& random, bool detailed);
  static void paintCapitulum(QPainter& painter, const Stem& stem, bool detailed);
  static void paintBranch(QPainter& painter, const QVector<QPointF>& spine,
                          const LowPlantKit::WidthProfile& profile, const QColor& colour,
                          int scales);
  static QColor colourAt(qreal height, qreal redness);
};

}  // namespace sylvenor::draw
