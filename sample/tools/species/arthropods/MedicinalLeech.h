#pragma once

class QPainter;

namespace sylvenor::draw::arthropods {

// Hirudo medicinalis from above: a flattened olive leech with rusty-orange stripes broken by
// black spots, fine rings, a small sucker in front and a large round one at the rear.
class MedicinalLeech {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw::arthropods
