#include "teacher/ListeDeroulante.h"

namespace sylvenor {

ListeDeroulante::ListeDeroulante(QWidget* parent) : QComboBox(parent) { hide(); }

void ListeDeroulante::ouvrir() {
  show();
  showPopup();
}

void ListeDeroulante::hidePopup() {
  QComboBox::hidePopup();
  hide();
}

}  // namespace sylvenor
