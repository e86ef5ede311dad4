#include "CastShadow.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace sylvenor::draw {

namespace {

// The mask is a quarter of the picture size: the blur hides it and it stays quick.
constexpr qreal kMaskScale = 0.25;
// Three box passes each way come close to a gaussian blur.
constexpr int kPasses = 3;

// A running-sum box blur of one line of alpha values, read and written with a stride.
void blurLine(uchar* first, int count, int stride, int radius, std::vector<int>& source) {
  source.resize(std::size_t(count));
  for (int i = 0; i < count; ++i) source[std::size_t(i)] = first[i * stride];
  const auto at = [&](int i) { return source[std::size_t(std::clamp(i, 0, count - 1))]; };
  int sum = 0;
  for (int i = -radius; i <= radius; ++i) sum += at(i);
  for (int i = 0; i < count; ++i) {
    first[i * stride] = uchar(sum / (2 * radius + 1));
    sum += at(i + radius + 1) - at(i - radius);
  }
}

}  // namespace

CastShadow::CastShadow(QPainter& painter, QPointF offset, qreal blur)
    : painter_(painter),
      mask_(std::max(1, int(painter.device()->width() * kMaskScale)),
            std::max(1, int(painter.device()->height() * kMaskScale)), QImage::Format_Alpha8) {
  mask_.fill(0);
  toMask_ = QTransform::fromTranslate(offset.x(), offset.y()) * painter.worldTransform() *
            QTransform::fromScale(kMaskScale, kMaskScale);
  radius_ = std::max(1, int(blur * painter.worldTransform().m11() * kMaskScale / 2));
}

void CastShadow::add(const QPainterPath& shape) {
  QPainter mask(&mask_);
  mask.setRenderHint(QPainter::Antialiasing);
  mask.setTransform(toMask_);
  mask.fillPath(shape, Qt::black);
}

void CastShadow::cast(const QColor& tint) {
  blur();
  QImage shadow(mask_.size(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < mask_.height(); ++y) {
    const uchar* alpha = mask_.constScanLine(y);
    auto* out = reinterpret_cast<QRgb*>(shadow.scanLine(y));
    for (int x = 0; x < mask_.width(); ++x) {
      const int a = alpha[x] * tint.alpha() / 255;
      out[x] = qPremultiply(qRgba(tint.red(), tint.green(), tint.blue(), a));
    }
  }
  painter_.save();
  painter_.resetTransform();
  painter_.drawImage(QRectF(0, 0, painter_.device()->width(), painter_.device()->height()), shadow);
  painter_.restore();
}

void CastShadow::blur() {
  std::vector<int> line;
  const int stride = int(mask_.bytesPerLine());
  for (int pass = 0; pass < kPasses; ++pass) {
    for (int y = 0; y < mask_.height(); ++y) {
      blurLine(mask_.scanLine(y), mask_.width(), 1, radius_, line);
    }
    for (int x = 0; x < mask_.width(); ++x) {
      blurLine(mask_.scanLine(0) + x, mask_.height(), stride, radius_, line);
    }
  }
}

}  // namespace sylvenor::draw
