// Opens the program's windows on an installation, walks them with real clicks and saves a
// picture of each:  screenshots <programDir> <outputDir>
// The settings live in a folder of their own (XDG_CONFIG_HOME), never the user's.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <iostream>
#include <vector>

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

// Answers the modal windows as a pupil would, taking a picture of those asked for first.
class ModalAnswers : public QObject {
 public:
  ModalAnswers(QString out, bool& ok) : out_(std::move(out)), ok_(ok) {
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &ModalAnswers::answer);
    poll->start(100);
  }
  QMap<QString, QString> pictures;  // window name -> picture file

 private:
  void answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      box->accept();
      return;
    }
    const QString name = modal->objectName();
    if (pictures.contains(name)) ok_ = save(*modal, out_ + "/" + pictures.take(name)) && ok_;
    if (auto* entry = modal->findChild<QLineEdit*>("TxtNomEleve")) {
      entry->setText("Camille");
      QTest::mouseClick(modal->findChild<QAbstractButton*>("Command1"), Qt::LeftButton);
    } else if (auto* out = modal->findChild<QAbstractButton*>(name == "FrmRecap" ? "BtnQuitter"
                                                                                 : "Command1")) {
      QTest::mouseClick(out, Qt::LeftButton);
    }
  }

  QString out_;
  bool& ok_;
};

QWidget* window(const char* name) {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == name && top->isVisible()) return top;
  }
  return nullptr;
}

// A right and a wrong validation in the animal key, the card shown, then the recap.
bool walkAnimalKey(QWidget& start, ModalAnswers& answers, const QString& out) {
  clickButton(start, "Command3");
  QTest::qWait(300);
  QWidget* key = window("Frm2");
  if (key == nullptr) return false;
  QTest::mouseMove(key->findChild<QWidget*>("ImgEspece"));
  bool ok = save(*key, out + "/cle-animal-fiche.png");
  QTest::mouseMove(key, QPoint(20, 300));
  const auto click = [key](const char* name) {
    QTest::mouseClick(key->findChild<QAbstractButton*>(name), Qt::LeftButton);
  };
  click("Btn01");
  click("Btn012");
  ok = save(*key, out + "/cle-animal.png") && ok;
  answers.pictures["FrmOuiNon"] = "retour.png";
  click("BtnOK012");
  answers.pictures["FrmRecap"] = "recapitulatif.png";
  clickButton(*key, "BtnQuit");
  QTest::qWait(300);
  return ok;
}

// Walks a key window by clicks, takes its picture, then quits it (the recap is answered).
bool walkKey(QWidget& start, const char* entry,
             const std::vector<std::pair<const char*, const char*>>& clicks, const char* shown,
             const QString& file) {
  clickButton(start, entry);
  QTest::qWait(300);
  for (const auto& [windowName, button] : clicks) {
    QWidget* key = window(windowName);
    if (key == nullptr) return false;
    QTest::mouseClick(key->findChild<QAbstractButton*>(button), Qt::LeftButton);
    QTest::qWait(100);
  }
  QWidget* key = window(shown);
  if (key == nullptr) return false;
  const bool ok = save(*key, file);
  clickButton(*key, "BtnQuit");
  QTest::qWait(300);
  return ok;
}

// The browser on the species of its list at the given row.
bool walkBrowser(QWidget& start, const QString& out) {
  clickButton(start, "Command1");
  QTest::qWait(300);
  QWidget* browser = window("Form4");
  if (browser == nullptr) return false;
  auto* list = browser->findChild<QListWidget*>("ListEsp");
  if (list == nullptr || list->count() < 12) return false;
  list->scrollToItem(list->item(11));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(11)).center());
  return save(*browser, out + "/navigateur.png");
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
  ModalAnswers answers(out, ok);
  clickButton(start, "BtnEleve");
  ok = save(start, out + "/accueil-deploye.png") && ok;
  clickButton(start, "BtnProfesseur");
  QTest::qWait(500);
  ok = save(start.frmProf(), out + "/professeur.png") && ok;
  // The zones are only opened: the sample installation is never changed.
  clickButton(start.frmProf(), "CmdAjout");
  ok = save(start.frmProf(), out + "/professeur-fiches.png") && ok;
  clickButton(start.frmProf(), "CmdSuppr");
  ok = save(start.frmProf(), out + "/professeur-suppression.png") && ok;
  clickButton(start.frmProf(), "CmdSuppr");
  start.frmProf().hide();
  ok = walkAnimalKey(start, answers, out) && ok;
  ok = walkKey(start, "Command3",
               {{"Frm2", "Btn02"},
                {"Frm2", "Btn021"},
                {"Frm2b", "Btn01"},
                {"Frm2b", "Btn011"},
                {"Frm2b", "Btn0112"}},
               "Frm2b", out + "/cle-invertebres.png") &&
       ok;
  ok = walkKey(start, "Command5", {{"Frm3", "Btn02"}, {"Frm3", "Btn022"}, {"Frm3", "Btn0221"}},
               "Frm3", out + "/cle-vegetaux.png") &&
       ok;
  ok = walkBrowser(start, out) && ok;
  return ok ? 0 : 1;
}
