#include "SpeciesPictureRenderer.h"

#include <QPainter>

namespace sylvenor::draw {

const QColor SpeciesPictureRenderer::kBackground(245, 244, 240);

QImage SpeciesPictureRenderer::render(const DrawingCatalog::Painter& paint, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(kBackground);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  painter.scale(qreal(size.width()) / DrawingCatalog::kCanvasWidth,
                qreal(size.height()) / DrawingCatalog::kCanvasHeight);
  paint(painter);
  return image;
}

}  // namespace sylvenor::draw
