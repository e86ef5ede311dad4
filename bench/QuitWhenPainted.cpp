#include "QuitWhenPainted.h"

#include <QCoreApplication>
#include <QEvent>

bool QuitWhenPainted::eventFilter(QObject* watched, QEvent* event) {
  // Once this paint is over and the picture handed to the screen.
  if (event->type() == QEvent::Paint) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
  }
  return QObject::eventFilter(watched, event);
}
