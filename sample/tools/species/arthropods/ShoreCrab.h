#pragma once

#include <QPainterPath>

class QPainter;

namespace sylvenor::draw::arthropods {

// Carcinus maenas from above: a dark green shell wider than long with five teeth on each side
// of its front edge, eyes on short stalks, two pairs of small antennae, a pair of claws and four
// pairs of walking legs.
class ShoreCrab {
 public:
  static void paint(QPainter& painter);

 private:
  static QPainterPath shellShape();
  static void addTeeth(QPainterPath& outline, const QPainterPath& margin, int teeth);
  static void paintShell(QPainter& painter);
  static void paintEyes(QPainter& painter);
  static void paintAntennae(QPainter& painter);
};

}  // namespace sylvenor::draw::arthropods
