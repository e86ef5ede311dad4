#include "SoftShadow.h"

#include <QPaintDevice>
#include <algorithm>
#include <vector>

namespace sylvenor::draw::arthropods {

namespace {

// The mask is drawn at a quarter of the picture size: the blur hides it and it keeps fast.
constexpr qreal kMaskScale = 0.25;

// One pass of a running-sum blur along rows (horizontal) or columns of the alpha channel.
void boxPass(QImage& image, int radius, bool horizontal) {
  const int lines = horizontal ? image.height() : image.width();
  const int span = horizontal ? image.width() : image.height();
  std::vector<int> source(std::size_t(span), 0);
  for (int line = 0; line < lines; ++line) {
    for (int i = 0; i < span; ++i) {
      source[std::size_t(i)] = qAlpha(horizontal ? image.pixel(i, line) : image.pixel(line, i));
    }
    int sum = 0;
    for (int i = -radius; i <= radius; ++i) sum += source[std::size_t(std::clamp(i, 0, span - 1))];
    for (int i = 0; i < span; ++i) {
      const int alpha = sum / (2 * radius + 1);
      const QRgb value = qRgba(0, 0, 0, alpha);
      if (horizontal) {
        image.setPixel(i, line, value);
      } else {
        image.setPixel(line, i, value);
      }
      sum += source[std::size_t(std::min(i + radius + 1, span - 1))];
      sum -= source[std::size_t(std::max(i - radius, 0))];
    }
  }
}

}  // namespace

SoftShadow::SoftShadow(QPainter& painter, QPointF offset, qreal blur)
    : painter_(painter),
      scale_(kMaskScale),
      mask_(int(painter.device()->width() * kMaskScale),
            int(painter.device()->height() * kMaskScale), QImage::Format_ARGB32) {
  mask_.fill(Qt::transparent);
  toMask_ = QTransform::fromTranslate(offset.x(), offset.y()) * painter.transform() *
            QTransform::fromScale(scale_, scale_);
  radius_ = std::max(1, int(blur * painter.transform().m11() * scale_ / 3));
}

void SoftShadow::add(const QPainterPath& shape) {
  QPainter mask(&mask_);
  mask.setRenderHint(QPainter::Antialiasing);
  mask.setTransform(toMask_);
  mask.fillPath(shape, Qt::black);
}

void SoftShadow::cast(qreal opacity) {
  blurMask();
  painter_.save();
  painter_.resetTransform();
  painter_.setOpacity(opacity);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform);
  painter_.drawImage(QRectF(0, 0, painter_.device()->width(), painter_.device()->height()), mask_);
  painter_.restore();
}

void SoftShadow::blurMask() {
  // Three box passes each way come close to a gaussian blur.
  for (int pass = 0; pass < 3; ++pass) {
    boxPass(mask_, radius_, true);
    boxPass(mask_, radius_, false);
  }
  // The mask only carries coverage: tint it the warm grey of a shadow on paper.
  QImage tinted(mask_.size(), QImage::Format_ARGB32);
  for (int y = 0; y < mask_.height(); ++y) {
    for (int x = 0; x < mask_.width(); ++x) {
      tinted.setPixel(x, y, qRgba(45, 38, 30, qAlpha(mask_.pixel(x, y))));
    }
  }
  mask_ = tinted;
}

}  // namespace sylvenor::draw::arthropods
