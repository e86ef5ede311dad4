#include "keys/KeyLine.h"

#include <QPainter>

#include "platform/Twips.h"

namespace sylvenor {

KeyLine::KeyLine(const LigneCle& ligne, QWidget* parent, const QColor& colour)
    : QWidget(parent), colour_(colour) {
  setObjectName(QString::fromStdString(ligne.nom));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  const QPoint a(twips(ligne.x1), twips(ligne.y1));
  const QPoint b(twips(ligne.x2), twips(ligne.y2));
  const QRect box = QRect(a, b).normalized().adjusted(-1, -1, 1, 1);
  setGeometry(box);
  from_ = a - box.topLeft();
  to_ = b - box.topLeft();
}

void KeyLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(colour_, 2));
  painter.drawLine(from_, to_);
}

}  // namespace sylvenor
