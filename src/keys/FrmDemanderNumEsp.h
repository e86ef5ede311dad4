#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QPushButton;
class QScrollBar;

namespace sylvenor {

class BaseEspeces;

// The species number prompt: the pupil moves a scroll bar over the species numbers and
// validates. The key keeps one instance, hidden between two questions, so that each showing
// opens at the number last chosen.
class FrmDemanderNumEsp : public QDialog {
  Q_OBJECT

 public:
  explicit FrmDemanderNumEsp(const BaseEspeces& base, QWidget* parent = nullptr);

  // Shows the window modal and returns the number validated, from 1 to the current NbFiches.
  // On an empty base there is nothing to choose: returns 0 without showing anything.
  std::int16_t demander();
  // The number last validated, as decimal text; empty before the first validation.
  QString tag() const { return tag_; }

  // Escape and the window's close button leave the window open: a number is always validated.
  void reject() override;

 private:
  void construire();
  void preparer();
  void Form_Load();
  void Scroll_Scroll(int position);
  void Scroll_Change(int position);
  void BtnQuit_Click();

  const BaseEspeces& base_;
  QScrollBar* scroll_ = nullptr;
  QLabel* lblNumEsp_ = nullptr;
  QLabel* lblNomEsp_ = nullptr;
  QLabel* lblTypeEsp_ = nullptr;
  QPushButton* btnQuit_ = nullptr;
  QString tag_;
  bool charge_ = false;
};

}  // namespace sylvenor
