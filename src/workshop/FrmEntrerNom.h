#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTimer;

namespace sylvenor {

class Clock;
class Exercice;

// "Qui es-tu ?": the modal window that records the pupil's name and starts a new exercise.
// It closes only through "Continuer", with a name accepted.
class FrmEntrerNom : public QDialog {
  Q_OBJECT

 public:
  FrmEntrerNom(Exercice& exercice, Clock& horloge, QWidget* parent = nullptr);

  // Escape and the window's close button leave the window open.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void construire();
  void Timer1_Timer();
  void TxtNomEleve_GotFocus();
  void Command1_Click();
  void refuserNom();

  Exercice& exercice_;
  Clock& horloge_;
  QLineEdit* txtNomEleve_ = nullptr;
  QPushButton* command1_ = nullptr;
  QTimer* timer1_ = nullptr;
};

}  // namespace sylvenor
