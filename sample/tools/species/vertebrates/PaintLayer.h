#pragma once

#include <QImage>
#include <QPainter>

namespace sylvenor::draw {

// A transparent sheet the size of the picture, with the same canvas coordinates as the painter
// it comes from: what is painted on it can be trimmed or faded as a whole before it is laid on
// the picture.
class PaintLayer {
 public:
  explicit PaintLayer(const QPainter& target);

  QPainter& painter() { return painter_; }
  // Lays the sheet on the target; the layer cannot be painted on afterwards.
  void compositeOnto(QPainter& target);

 private:
  QImage image_;
  QPainter painter_;
};

}  // namespace sylvenor::draw
