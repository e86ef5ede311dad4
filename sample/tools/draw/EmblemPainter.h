#pragma once

#include <QRectF>

#include "GroupStyle.h"

class QPainter;

namespace sylvenor::draw {

// Draws the silhouette of a group inside a square; the silhouettes themselves are laid out on a
// 100 × 100 grid so that one drawing serves every size of card.
class EmblemPainter {
 public:
  static void paint(QPainter& painter, const GroupStyle& style, const QRectF& square);

 private:
  static void paintUnknown(QPainter& painter, const GroupStyle& style);
};

}  // namespace sylvenor::draw
