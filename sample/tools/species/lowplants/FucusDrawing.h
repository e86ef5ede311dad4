#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QVector>

#include "LowPlantKit.h"

class QPainter;

namespace sylvenor::draw {

// Fucus vésiculeux: an olive-brown ribbon forking again and again, a midrib along every ribbon,
// pairs of air bladders beside it, swollen warty tips, and a small disc gripping a pebble.
class FucusDrawing {
 public:
  static void paint(QPainter& painter);

 private:
  struct Segment {
    QVector<QPointF> spine;
    int depth;
  };
  struct Tip {
    QPointF base;
    qreal heading;
    bool forked;
  };
  struct Thallus {
    QVector<Segment> segments;
    QVector<Tip> tips;
    QVector<QPointF> forks;
  };

  static void grow(Thallus& thallus, QPointF start, qreal heading, int depth,
                   LowPlantKit::Random& random);
  static QVector<QPainterPath> pieces(const Thallus& thallus);
  static QVector<QPainterPath> bladders(const Thallus& thallus);
  static void paintBlade(QPainter& painter, const Thallus& thallus);
  static void paintBladder(QPainter& painter, const QPainterPath& bladder);
  static QPainterPath tipOutline(bool forked);
  static void paintTip(QPainter& painter, const Tip& tip, bool detailed);
  static void paintHoldfast(QPainter& painter);
};

}  // namespace sylvenor::draw
