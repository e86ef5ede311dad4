#pragma once

#include <QDialog>
#include <array>

#include "app/ReglageSecurite.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace sylvenor {

// "Sécurité": whether the teacher module asks a password, which one, and what the start
// screen's quit button does. Only "FERMER" saves.
class FrmSecu : public QDialog {
  Q_OBJECT

 public:
  FrmSecu(Reglages& reglages, QWidget* parent);

 private:
  void Form_Load();
  void OptPass_Click();
  void TxtPass_Change();
  void Command1_Click();

  Reglages& reglages_;
  ReglageSecurite lu_;
  QCheckBox* optPass_ = nullptr;
  QLineEdit* txtPass_ = nullptr;
  std::array<QRadioButton*, 3> optQuitter_{};
};

}  // namespace sylvenor
