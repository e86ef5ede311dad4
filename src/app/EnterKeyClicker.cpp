#include "app/EnterKeyClicker.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace sylvenor {

bool EnterKeyClicker::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* touche = static_cast<QKeyEvent*>(event);
  const bool entree = touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter;
  const bool seule = (touche->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  // Option boxes keep Enter for the window's own button.
  auto* bouton = qobject_cast<QAbstractButton*>(watched);
  const bool pousse = qobject_cast<QPushButton*>(watched) != nullptr ||
                      qobject_cast<QToolButton*>(watched) != nullptr;
  if (!entree || !seule || !pousse || !bouton->hasFocus() || !bouton->isEnabled()) {
    return QObject::eventFilter(watched, event);
  }
  if (!touche->isAutoRepeat()) bouton->click();
  return true;
}

}  // namespace sylvenor
