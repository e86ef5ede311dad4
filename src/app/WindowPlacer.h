#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace sylvenor {

// Opens every window of the program, the first time it shows, centred on the screen that holds
// the start screen (a classroom's projector or the pupil's own screen, never another one), and
// no larger than that screen.
class WindowPlacer : public QObject {
  Q_OBJECT

 public:
  explicit WindowPlacer(QWidget& accueil, QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void placer(QWidget& fenetre) const;

  QPointer<QWidget> accueil_;
};

}  // namespace sylvenor
