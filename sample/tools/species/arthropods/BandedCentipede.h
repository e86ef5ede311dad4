#pragma once

class QPainter;

namespace sylvenor::draw::arthropods {

// Scolopendra cingulata from above: a large olive centipede with a dark band on every plate,
// twenty-one pairs of orange legs and a thick last pair pointing backwards.
class BandedCentipede {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw::arthropods
