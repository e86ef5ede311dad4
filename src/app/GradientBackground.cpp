#include "app/GradientBackground.h"

#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

namespace sylvenor {

void GradientBackground::paint(QWidget& window, const QColor& top, const QColor& bottom) {
  QPainter painter(&window);
  QLinearGradient gradient(0, 0, 0, window.height());
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, bottom);
  painter.fillRect(window.rect(), gradient);
}

}  // namespace sylvenor
