#pragma once

#include <QString>

class QPainter;

namespace sylvenor::draw {

// The invertebrate key's questions on the shape of the body: a left and a right side or a
// round body, and the pairs of antennae on the head.
class BodyPlanDrawings {
 public:
  static void leftAndRight(QPainter& painter);
  static void noLeftNoRight(QPainter& painter);
  static void onePairOfAntennae(QPainter& painter);
  static void twoPairsOfAntennae(QPainter& painter);

 private:
  static void paintElongatedBody(QPainter& painter);
  static void paintHalfPattern(QPainter& painter);
  static void paintRoundBody(QPainter& painter);
  static void paintRoundPattern(QPainter& painter);
  static void paintHead(QPainter& painter, int pairs);
  static void paintAntenna(QPainter& painter, bool longOne, qreal side);
};

}  // namespace sylvenor::draw
