#include <QApplication>

#include "app/Launcher.h"
#include "platform/ProgramDirectory.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // The settings are filed under this name, and it is the program's title.
  QCoreApplication::setApplicationName("brambel-Sylvenor");
  sylvenor::Launcher launcher(sylvenor::ProgramDirectory::path());
  return QApplication::exec();
}
