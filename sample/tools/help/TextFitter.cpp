#include "TextFitter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <utility>

namespace sylvenor::draw {

TextFitter::TextFitter(QFont font, int largestPixels, int smallestPixels)
    : font_(std::move(font)), largestPixels_(largestPixels), smallestPixels_(smallestPixels) {}

TextFitter& TextFitter::preferOneLine(int smallestPixels) {
  oneLineSmallestPixels_ = smallestPixels;
  return *this;
}

bool TextFitter::draw(QPainter& painter, const QRectF& box, int alignment,
                      const QString& text) const {
  const QFont font = fittingFont(box, alignment, text);
  const int flags = alignment | Qt::TextWordWrap;
  const bool complete = fits(font, box, flags, text);
  painter.save();
  painter.setFont(font);
  painter.setClipRect(box, Qt::IntersectClip);
  painter.drawText(box, complete ? flags : alignment | Qt::TextWrapAnywhere, text);
  painter.restore();
  return complete;
}

QFont TextFitter::fittingFont(const QRectF& box, int alignment, const QString& text) const {
  if (oneLineSmallestPixels_ > 0) {
    if (const auto font = largestFitting(box, alignment, text, oneLineSmallestPixels_)) {
      return *font;
    }
  }
  return largestFitting(box, alignment | Qt::TextWordWrap, text, smallestPixels_)
      .value_or(sized(smallestPixels_));
}

std::optional<QFont> TextFitter::largestFitting(const QRectF& box, int flags, const QString& text,
                                                int smallestPixels) const {
  for (int pixels = largestPixels_; pixels >= smallestPixels; --pixels) {
    QFont candidate = sized(pixels);
    if (fits(candidate, box, flags, text)) {
      return candidate;
    }
  }
  return std::nullopt;
}

QFont TextFitter::sized(int pixels) const {
  QFont font = font_;
  font.setPixelSize(pixels);
  return font;
}

bool TextFitter::fits(const QFont& font, const QRectF& box, int flags, const QString& text) {
  const QRectF needed = QFontMetricsF(font).boundingRect(box, flags, text);
  return needed.width() < box.width() && needed.height() <= box.height();
}

}  // namespace sylvenor::draw
