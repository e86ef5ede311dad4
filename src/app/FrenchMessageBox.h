#pragma once

#include <QMessageBox>

namespace sylvenor {

// Message boxes whose buttons read "Oui", "Non", "Annuler" and "OK" whatever the system's
// language.
class FrenchMessageBox {
 public:
  static QMessageBox::StandardButton demander(
      QWidget* parent, const QString& title, const QString& text,
      QMessageBox::StandardButtons buttons, QMessageBox::Icon icon = QMessageBox::Question,
      QMessageBox::StandardButton parDefaut = QMessageBox::NoButton);
  static void avertir(QWidget* parent, const QString& title, const QString& text,
                      QMessageBox::Icon icon = QMessageBox::Warning);
};

}  // namespace sylvenor
