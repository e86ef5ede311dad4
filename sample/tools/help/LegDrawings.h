#pragma once

#include <QPointF>
#include <QString>

class QPainter;

namespace sylvenor::draw {

// The legs of the invertebrate key: a leg made of jointed pieces, and bodies seen from above
// with their pairs of legs numbered.
class LegDrawings {
 public:
  static void jointedLeg(QPainter& painter);
  static void manyPairs(QPainter& painter);
  static void fourPairs(QPainter& painter);
  static void threePairs(QPainter& painter);

 private:
  static void paintBodyPiece(QPainter& painter);
  static void paintLegPiece(QPainter& painter, QPointF from, QPointF to, qreal width);
  static void paintJoint(QPainter& painter, QPointF centre, qreal radius);
  static void paintClaw(QPainter& painter, QPointF from, QPointF to);
  static void paintPairs(QPainter& painter, int pairs, const QString& count);
  static void paintPairBand(QPainter& painter, qreal x, int number);
  static void paintSmallLeg(QPainter& painter, qreal x, qreal side);
  static void paintSegmentedBody(QPainter& painter, qreal left, int segments, qreal step);
};

}  // namespace sylvenor::draw
