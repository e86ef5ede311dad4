#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QVector>

#include "LowPlantKit.h"

class QPainter;

namespace sylvenor::draw {

// Laminaire digitée: a large glossy brown blade split into long fingers, a smooth flexible
// stipe, and a branched claw-like holdfast gripping a rock.
class KelpDrawing {
 public:
  static void paint(QPainter& painter);

 private:
  static qreal rockTop(qreal x);
  static QVector<QVector<QPointF>> fingerSpines();
  static QPainterPath palm();
  static void paintRock(QPainter& painter);
  static void paintHoldfast(QPainter& painter, bool front);
  static void paintHapteron(QPainter& painter, QPointF start, qreal reach, qreal nearness,
                            LowPlantKit::Random& random);
  static void paintStipe(QPainter& painter);
  static void paintBlade(QPainter& painter, bool detailed);
  static void paintFingerGloss(QPainter& painter, const QVector<QPointF>& spine,
                               const QPainterPath& finger, bool detailed);
};

}  // namespace sylvenor::draw
