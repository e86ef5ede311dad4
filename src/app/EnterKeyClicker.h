#pragma once

#include <QObject>

namespace sylvenor {

// Enter (the main key or the keypad's) presses the button that has the keyboard, in every
// window, as Space does: pupils press Enter.
class EnterKeyClicker : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace sylvenor
