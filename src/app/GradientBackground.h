#pragma once

#include <QColor>

class QWidget;

namespace sylvenor {

// The vertical colour gradients that the windows paint behind their controls.
class GradientBackground {
 public:
  static void paint(QWidget& window, const QColor& top, const QColor& bottom);
};

}  // namespace sylvenor
