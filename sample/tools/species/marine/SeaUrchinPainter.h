#pragma once

class QPainter;

namespace sylvenor::draw {

// Purple sea urchin from above: a ball of stiff violet spines; on one side the spines have gone
// and the green-grey shell of chalky plates shows, in five double bands dotted with spine bases.
class SeaUrchinPainter {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw
