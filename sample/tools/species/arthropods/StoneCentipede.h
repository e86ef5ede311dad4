#pragma once

class QPainter;

namespace sylvenor::draw::arthropods {

// Lithobius forficatus from above: a flat chestnut centipede with fifteen pairs of legs.
class StoneCentipede {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw::arthropods
