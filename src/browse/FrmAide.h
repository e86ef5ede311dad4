#pragma once

#include <QWidget>

namespace sylvenor {

// The dictionary: the meaning of the words that the keys and the species cards use. It opens
// modeless and is gone once closed.
class FrmAide : public QWidget {
  Q_OBJECT

 public:
  explicit FrmAide(QWidget* parent = nullptr);

 private:
  void BtnRetour_Click();
};

}  // namespace sylvenor
