#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <optional>

class QPainter;

namespace sylvenor::draw {

// Draws a text in a box with the largest font size at which it fits, wrapping between words, so
// that long names and explanations are never cut.
class TextFitter {
 public:
  TextFitter(QFont font, int largestPixels, int smallestPixels);

  // Keeps the text on one line as long as that is possible at `smallestPixels` or more: a name
  // read at once matters more than the largest size.
  TextFitter& preferOneLine(int smallestPixels);

  // Returns false when even the smallest size overflows; the text is then drawn clipped.
  bool draw(QPainter& painter, const QRectF& box, int alignment, const QString& text) const;
  QFont fittingFont(const QRectF& box, int alignment, const QString& text) const;

 private:
  std::optional<QFont> largestFitting(const QRectF& box, int flags, const QString& text,
                                      int smallestPixels) const;
  QFont sized(int pixels) const;
  static bool fits(const QFont& font, const QRectF& box, int flags, const QString& text);

  QFont font_;
  int largestPixels_;
  int smallestPixels_;
  int oneLineSmallestPixels_ = 0;
};

}  // namespace sylvenor::draw
