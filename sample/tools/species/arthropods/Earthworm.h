#pragma once

class QPainter;

namespace sylvenor::draw::arthropods {

// Lumbricus terrestris from above, in an S: a ringed pinkish-red worm, darker at the front,
// with its pale orange saddle about a third of the way back and a flattened tail.
class Earthworm {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw::arthropods
