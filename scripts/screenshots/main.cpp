// Opens the program's windows on an installation, walks them with real clicks and saves a
// picture of each:  screenshots <programDir> <outputDir>
// The settings live in a folder of their own (XDG_CONFIG_HOME), never the user's.
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <iostream>

#include "app/Programme.h"
#include "app/Splashscreen.h"
#include "platform/IniSettingsStore.h"
#include "platform/PosixFileAccess.h"
#include "platform/Printer.h"
#include "platform/SessionControl.h"
#include "platform/WebBrowser.h"
#include "teacher/FrmProf.h"

namespace {

// Pictures must never end the session of the machine they are taken on, nor print.
class NoSession : public sylvenor::SessionControl,
                  public sylvenor::WebBrowser,
                  public sylvenor::Printer {
 public:
  void quitProgram() override {}
  void powerOff() override {}
  void reboot() override {}
  void open(const std::string&) override {}
  int printEmptyLine() override { return 0; }
  int setFontName(const std::string&) override { return 0; }
  int printText(const std::string&) override { return 0; }
  int endDocument() override { return 0; }
};

bool save(QWidget& window, const QString& file) {
  QTest::qWait(200);
  const bool saved = window.grab().save(file);
  if (!saved) std::cerr << "impossible d'écrire " << file.toStdString() << '\n';
  return saved;
}

void clickButton(QWidget& window, const char* name) {
  QTest::mouseClick(window.findChild<QToolButton*>(name), Qt::LeftButton);
}

void acceptWelcomeWhenItComes() {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      box->accept();
      poll->deleteLater();
    }
  });
  poll->start(50);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 3) {
    std::cerr << "usage : screenshots <dossier du programme> <dossier des images>\n";
    return 2;
  }
  const QString out = argv[2];
  sylvenor::PosixFileAccess files;
  sylvenor::IniSettingsStore settings;
  NoSession session;
  sylvenor::Programme programme(argv[1], {files, settings, session, session, session});
  sylvenor::Splashscreen start(programme);
  start.Form_Load();
  start.show();
  bool ok = save(start, out + "/accueil.png");
  clickButton(start, "BtnEleve");
  ok = save(start, out + "/accueil-deploye.png") && ok;
  acceptWelcomeWhenItComes();
  clickButton(start, "BtnProfesseur");
  QTest::qWait(500);
  ok = save(start.frmProf(), out + "/professeur.png") && ok;
  return ok ? 0 : 1;
}
