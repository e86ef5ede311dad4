#include "EmblemPainter.h"

#include <QPainter>

#include "AnimalEmblemPainter.h"
#include "PathKit.h"
#include "PlantEmblemPainter.h"

namespace sylvenor::draw {

namespace {
constexpr qreal kGrid = 100.0;
}

void EmblemPainter::paint(QPainter& painter, const GroupStyle& style, const QRectF& square) {
  painter.save();
  painter.translate(square.topLeft());
  painter.scale(square.width() / kGrid, square.height() / kGrid);
  painter.setPen(Qt::NoPen);
  if (AnimalEmblemPainter::handles(style.emblem)) {
    AnimalEmblemPainter::paint(painter, style);
  } else if (PlantEmblemPainter::handles(style.emblem)) {
    PlantEmblemPainter::paint(painter, style);
  } else {
    paintUnknown(painter, style);
  }
  painter.restore();
}

void EmblemPainter::paintUnknown(QPainter& painter, const GroupStyle& style) {
  PathKit::fillWithShadow(painter, PathKit::circle({50, 50}, 34), style.ink);
  painter.fillPath(PathKit::circle({50, 50}, 22), style.accent);
}

}  // namespace sylvenor::draw
