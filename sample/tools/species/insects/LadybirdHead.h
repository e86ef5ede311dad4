#pragma once

#include <QPainterPath>

class QPainter;

namespace sylvenor::draw {

// The small black head of the seven-spot ladybird, half drawn back under the pronotum: large
// eyes at the sides, two tiny pale marks between them, the upper lip and jaws in front.
// Body coordinates: midline x = 0, head towards -y. The antennae are drawn on their own.
class LadybirdHead {
 public:
  static QPainterPath outline();
  static QPainterPath mouthparts();
  static void paint(QPainter& painter);

 private:
  static void paintMouthparts(QPainter& painter);
  static void paintCapsule(QPainter& painter, const QPainterPath& shape);
  static void paintEyes(QPainter& painter);
  static void paintMarks(QPainter& painter);
};

}  // namespace sylvenor::draw
