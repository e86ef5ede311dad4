#include "support/MessageAnswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

namespace sylvenor::test {

MessageAnswers::MessageAnswers(std::deque<QMessageBox::StandardButton> answers)
    : answers_(std::move(answers)), timer_(new QTimer(this)) {
  connect(timer_, &QTimer::timeout, this, &MessageAnswers::poll);
  timer_->start(0);
}

void MessageAnswers::poll() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  vus << box->windowTitle() + "|" + box->text();
  if (avant) avant(*box);
  QAbstractButton* button = nullptr;
  if (!answers_.empty()) {
    button = box->button(answers_.front());
    answers_.pop_front();
  }
  for (const auto careful : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok}) {
    if (button == nullptr) button = box->button(careful);
  }
  if (button != nullptr) button->click();
}

}  // namespace sylvenor::test
