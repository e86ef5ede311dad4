#include "keys/KeyLine.h"

#include <QPainter>

#include "platform/Twips.h"

namespace sylvenor {

KeyLine::KeyLine(const LigneCle& ligne, QWidget* parent, const QColor& colour)
    : QWidget(parent), colour_(colour) {
  setObjectName(QString::fromStdString(ligne.nom));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  placer(QPolygonF{QPointF(twips(ligne.x1), twips(ligne.y1)),
                   QPointF(twips(ligne.x2), twips(ligne.y2))});
}

void KeyLine::placer(const QPolygonF& trace) {
  const QRect box = trace.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
  setGeometry(box);
  trace_ = trace.translated(-box.topLeft());
  update();
}

void KeyLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(colour_, 2));
  painter.drawPolyline(trace_);
}

}  // namespace sylvenor
