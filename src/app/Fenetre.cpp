#include "app/Fenetre.h"

#include <QLabel>
#include <QScreen>

namespace sylvenor {

QLabel* Fenetre::etiquette(const QString& name, const QString& caption, const QRect& rect,
                           QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(rect);
  return label;
}

void Fenetre::ajusterHauteur(QLabel& label) {
  label.setFixedHeight(label.heightForWidth(label.width()));
  const QWidget* parent = label.parentWidget();
  if (parent == nullptr) return;
  const int depasse = label.geometry().bottom() - parent->rect().bottom();
  if (depasse > 0) label.move(label.x(), std::max(0, label.y() - depasse));
}

void Fenetre::colorerFond(QWidget& widget, const QColor& couleur) {
  widget.setAutoFillBackground(true);
  QPalette fond = widget.palette();
  fond.setColor(QPalette::Window, couleur);
  widget.setPalette(fond);
}

void Fenetre::centrer(QWidget& fenetre) {
  fenetre.move(fenetre.screen()->availableGeometry().center() - fenetre.rect().center());
}

}  // namespace sylvenor
