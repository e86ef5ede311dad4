#include "PaintLayer.h"

#include <QPaintDevice>

namespace sylvenor::draw {

PaintLayer::PaintLayer(const QPainter& target)
    : image_(target.device()->width(), target.device()->height(),
             QImage::Format_ARGB32_Premultiplied) {
  image_.fill(Qt::transparent);
  painter_.begin(&image_);
  painter_.setRenderHints(target.renderHints());
  painter_.setTransform(target.combinedTransform());
}

void PaintLayer::compositeOnto(QPainter& target) {
  painter_.end();
  target.save();
  target.resetTransform();
  target.drawImage(0, 0, image_);
  target.restore();
}

}  // namespace sylvenor::draw
