#pragma once

#include <QObject>

// Ends the event loop at the first paint of the window it watches: the moment a person would
// see it.
class QuitWhenPainted : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
