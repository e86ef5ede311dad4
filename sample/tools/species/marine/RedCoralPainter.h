#pragma once

class QPainter;

namespace sylvenor::draw {

// Precious red coral: a small bush of deep red branches on a stone, with white polyps open here
// and there, each a star of eight feathery tentacles.
class RedCoralPainter {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw
