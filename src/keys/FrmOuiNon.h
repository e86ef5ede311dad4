#pragma once

#include <QDialog>

namespace sylvenor {

class FrmTemp;

// The feedback window after a validation: green with the right picture, red with the wrong one.
class FrmOuiNon : public QDialog {
  Q_OBJECT

 public:
  FrmOuiNon(bool juste, const FrmTemp& pictures, QWidget* parent);
};

}  // namespace sylvenor
