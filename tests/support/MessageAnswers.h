#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <deque>
#include <functional>

class QTimer;

namespace sylvenor::test {

// Answers the message boxes that open while it lives, with the given buttons in turn; once they
// are used up it takes the most careful way out (Annuler, Non, then OK). Notes each box as
// "title|text".
class MessageAnswers : public QObject {
  Q_OBJECT

 public:
  explicit MessageAnswers(std::deque<QMessageBox::StandardButton> answers = {});

  QStringList vus;
  // Looks at each box before it is answered.
  std::function<void(QMessageBox&)> avant;

 private:
  void poll();

  std::deque<QMessageBox::StandardButton> answers_;
  QTimer* timer_;
};

}  // namespace sylvenor::test
