#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

#include "DrawingCatalog.h"

namespace sylvenor::draw {

// Turns a drawing into a picture of a given size on the plain background that every species
// picture shares, so that no colour or frame tells a group.
class SpeciesPictureRenderer {
 public:
  static constexpr QSize kPhoto{640, 480};
  static constexpr QSize kEnlarged{1600, 1200};
  static const QColor kBackground;

  static QImage render(const DrawingCatalog::Painter& paint, QSize size);
};

}  // namespace sylvenor::draw
