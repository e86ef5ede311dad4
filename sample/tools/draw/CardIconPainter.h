#pragma once

class QPainter;

namespace sylvenor::draw {

// The pictures of the card editor's buttons, on the same 100 × 100 grid as the others.
class CardIconPainter {
 public:
  static void paintNewCard(QPainter& painter);
  static void paintSave(QPainter& painter);
  static void paintDiscardCard(QPainter& painter);
  static void paintClose(QPainter& painter);
};

}  // namespace sylvenor::draw
