#include <QApplication>

#include "app/Programme.h"
#include "app/Splashscreen.h"
#include "platform/IniSettingsStore.h"
#include "platform/PosixFileAccess.h"
#include "platform/ProgramDirectory.h"
#include "platform/QtPrinter.h"
#include "platform/SystemClock.h"
#include "platform/SystemSession.h"
#include "platform/SystemVolumeQuery.h"
#include "platform/SystemWebBrowser.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // The settings are filed under this name, and it is the program's title.
  QCoreApplication::setApplicationName("brambel-Sylvenor");
  sylvenor::PosixFileAccess files;
  sylvenor::IniSettingsStore settings;
  sylvenor::SystemSession session;
  sylvenor::SystemWebBrowser web;
  sylvenor::QtPrinter printer;
  sylvenor::SystemClock clock;
  sylvenor::SystemVolumeQuery volumes;
  sylvenor::Programme programme(sylvenor::ProgramDirectory::path(),
                                {files, settings, session, web, printer, clock, volumes});
  sylvenor::Splashscreen start(programme);
  start.Form_Load();
  start.show();
  return QApplication::exec();
}
