#pragma once

#include <QPointF>

class QPainter;

namespace sylvenor::draw {

// Fougère aigle: one large triangular frond, divided three times, on a long stalk rising from a
// black creeping rhizome with its roots; one small pinnule is turned over to show the brown
// spores under its rolled-in margin.
class BrackenDrawing {
 public:
  static void paint(QPainter& painter);

 private:
  enum class Mark { None, Turned };

  struct Axis {
    QPointF base;
    qreal angle;
    qreal length;
    qreal curl;  // how much the axis bends along its length, in degrees
  };

  static void paintFrond(QPainter& painter);
  // A pinna divided into pinnules, or a small one only deeply lobed; `chosen` turns one of its
  // pinnules over.
  static void paintPinna(QPainter& painter, const Axis& axis, bool chosen);
  // A lobed blade along an axis; lobes of about `lobeLength` along it.
  static void paintBlade(QPainter& painter, const Axis& axis, qreal widthRatio, qreal lobeLength,
                         Mark mark);
  static void paintUnderground(QPainter& painter);
  static void paintStalk(QPainter& painter);
};

}  // namespace sylvenor::draw
