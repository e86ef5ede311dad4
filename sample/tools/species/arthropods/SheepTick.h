#pragma once

#include <QPainterPath>

class QPainter;

namespace sylvenor::draw::arthropods {

// Ixodes ricinus, an unfed female greatly enlarged, from above: a flat reddish-brown body with a
// dark shield in front, mouthparts pointing forward and four pairs of dark jointed legs.
class SheepTick {
 public:
  static void paint(QPainter& painter);

 private:
  static QPainterPath bodyShape();
  static QPainterPath shieldShape();
  static void paintBody(QPainter& painter);
  static void paintShield(QPainter& painter);
  static void paintMouthparts(QPainter& painter);
};

}  // namespace sylvenor::draw::arthropods
