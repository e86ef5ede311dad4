// The program's whole start-up on the program directory given, ended once the start screen is
// painted: one half of the start-up comparison.
#include <QApplication>

#include "QuitWhenPainted.h"
#include "app/Launcher.h"

int main(int argc, char* argv[]) {
  if (argc != 2) return 2;
  QApplication application(argc, argv);
  QCoreApplication::setApplicationName("brambel-Sylvenor");
  QuitWhenPainted quit;
  sylvenor::Launcher launcher(argv[1]);
  launcher.startScreen().installEventFilter(&quit);
  return QApplication::exec();
}
