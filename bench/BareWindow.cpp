// A bare Qt Widgets window of the start screen's size, ended once painted: the floor of the
// start-up comparison.
#include <QApplication>
#include <QWidget>

#include "QuitWhenPainted.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QuitWhenPainted quit;
  QWidget window;
  window.resize(500, 400);
  window.installEventFilter(&quit);
  window.show();
  return QApplication::exec();
}
