#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyle>
#include <QTranslator>

#include "app/Launcher.h"
#include "platform/ProgramDirectory.h"
#include "platform/SettingsStore.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // The windows choose their own colours: a dark desktop theme must not put light text on them.
  QApplication::setStyle("Fusion");
  QApplication::setPalette(QApplication::style()->standardPalette());
  // Qt's own dialogs and menus (the file dialog, a text box's menu) speak French too when
  // Debian's translations of Qt are installed.
  QTranslator qtEnFrancais;
  if (qtEnFrancais.load(QLocale(QLocale::French), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtEnFrancais);
  }
  // The settings are filed under this name, and it is the program's title.
  QCoreApplication::setApplicationName(QString::fromUtf8(sylvenor::kNomApplication.data()));
  sylvenor::Launcher launcher(sylvenor::ProgramDirectory::path());
  return QApplication::exec();
}
