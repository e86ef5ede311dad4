#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QTimer;
class QWidget;

namespace sylvenor::test {

// Answers every modal window that opens while it lives, as a pupil would: it clicks the
// window's way out ("Continuer...", "Quitter", "F E R M E R", OK) and notes what it saw.
class ModalDriver : public QObject {
  Q_OBJECT

 public:
  ModalDriver();
  ~ModalDriver() override;

  // Called first on each modal window; returns true when it dealt with the window itself.
  std::function<bool(QWidget&)> avant;

  QStringList vus;       // object name of each window, or "message: <title>: <text>"
  QStringList recaps;    // the text of each recap shown
  QStringList couleurs;  // the background of each feedback window ("vert" or "rouge")

 private:
  void poll();
  void answer(QWidget& window);

  QTimer* timer_;
};

}  // namespace sylvenor::test
