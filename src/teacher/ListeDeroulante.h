#pragma once

#include <QComboBox>

namespace sylvenor {

// A drop-down list that is seen only while it is open: it hides again once an item is chosen or
// the list is left.
class ListeDeroulante : public QComboBox {
  Q_OBJECT

 public:
  explicit ListeDeroulante(QWidget* parent);

  void ouvrir();
  void hidePopup() override;
};

}  // namespace sylvenor
