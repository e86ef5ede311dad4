#pragma once

class QPainter;

namespace sylvenor::draw {

// The four animals of the classification workshop, seen from the side in their true colours, on
// a 100 × 100 grid over a transparent background.
class WorkshopAnimalPainter {
 public:
  static void paintRoach(QPainter& painter);
  static void paintCrow(QPainter& painter);
  static void paintTreeFrog(QPainter& painter);
  static void paintRabbit(QPainter& painter);
};

}  // namespace sylvenor::draw
