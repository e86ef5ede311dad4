#include "app/FrenchMessageBox.h"

#include <QAbstractButton>

namespace sylvenor {

QMessageBox::StandardButton FrenchMessageBox::demander(QWidget* parent, const QString& title,
                                                       const QString& text,
                                                       QMessageBox::StandardButtons buttons,
                                                       QMessageBox::Icon icon,
                                                       QMessageBox::StandardButton parDefaut) {
  QMessageBox box(icon, title, text, buttons, parent);
  if (parDefaut != QMessageBox::NoButton) box.setDefaultButton(parDefaut);
  const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
      {QMessageBox::Yes, "Oui"},
      {QMessageBox::No, "Non"},
      {QMessageBox::Cancel, "Annuler"},
      {QMessageBox::Ok, "OK"}};
  for (const auto& [button, caption] : captions) {
    if (QAbstractButton* shown = box.button(button)) shown->setText(caption);
  }
  box.exec();
  return box.standardButton(box.clickedButton());
}

void FrenchMessageBox::avertir(QWidget* parent, const QString& title, const QString& text,
                               QMessageBox::Icon icon) {
  demander(parent, title, text, QMessageBox::Ok, icon);
}

}  // namespace sylvenor
