// Opens the program's windows on an installation, walks them with real clicks and saves a
// picture of each:  screenshots <programDir> <outputDir>
// The walk saves a key into the installation's "sauvegardes": give it a copy.
// The settings live in a folder of their own (XDG_CONFIG_HOME), never the user's.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <iostream>
#include <vector>

#include "ModalAnswers.h"
#include "NoSession.h"
#include "ScreenWalk.h"
#include "WalkSteps.h"
#include "app/EnterKeyClicker.h"
#include "app/Programme.h"
#include "app/Splashscreen.h"
#include "app/WindowPlacer.h"
#include "platform/IniSettingsStore.h"
#include "platform/PosixFileAccess.h"
#include "platform/SystemClock.h"
#include "platform/SystemVolumeQuery.h"
#include "teacher/FrmProf.h"

namespace {

using walk::clickButton;
using walk::clickIn;
using walk::save;
using walk::window;

// A right and a wrong validation in the animal key, the card shown, then the recap.
bool walkAnimalKey(QWidget& start, ModalAnswers& answers, const QString& out) {
  clickButton(start, "Command3");
  QTest::qWait(300);
  QWidget* key = window("Frm2");
  if (key == nullptr) return false;
  QTest::mouseMove(key->findChild<QWidget*>("ImgEspece"));
  QTest::qWait(400);  // the card slides up
  bool ok = save(*key, out + "/cle-animal-fiche.png");
  QTest::mouseMove(key, QPoint(20, 300));
  const auto click = [key](const char* name) {
    QTest::mouseClick(key->findChild<QAbstractButton*>(name), Qt::LeftButton);
  };
  // The species' enlarged picture and the help picture of the first criterion.
  answers.pictures["FrmImageAide"] = "loupe.png";
  click("IcoLoupe");
  answers.pictures["FrmImageAide"] = "aide-colonne-vertebrale.png";
  click("Label3(0)");
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

// The disk panel while its label is held down, then the security dialog and the about box.
bool walkTeacherTools(QWidget& prof, ModalAnswers& answers, const QString& out) {
  auto* disk = prof.findChild<QWidget*>("LblInfosDisque");
  QTest::mousePress(disk, Qt::LeftButton);
  bool ok = save(prof, out + "/professeur-disque.png");
  QTest::mouseRelease(disk, Qt::LeftButton);
  answers.pictures["FrmSecu"] = "securite.png";
  QTest::mouseClick(prof.findChild<QWidget*>("LblSecurite"), Qt::LeftButton);
  answers.pictures["FrmAPropos"] = "a-propos.png";
  QTest::mouseClick(prof.findChild<QWidget*>("LblAPropos"), Qt::LeftButton);
  return ok;
}

// A pupil's own key: written, pictures dragged into its boxes, saved, the loading window, then
// a classmate's trial with one animal classified otherwise.
void writeKey(QWidget& board) {
  const std::vector<std::pair<const char*, const char*>> texts = {
      {"Text100", "A-t-il des poils ou des plumes ?"},
      {"Text010", "A-t-il des plumes ?"},
      {"Text020", "A-t-il des écailles ?"},
      {"choix010", "oui"},
      {"choix020", "non"},
      {"choix001", "oui"},
      {"choix002", "non"},
      {"choix003", "oui"},
      {"choix004", "non"}};
  for (const auto& [name, text] : texts) {
    board.findChild<QPlainTextEdit*>(name)->setPlainText(QString::fromUtf8(text));
  }
}

void dragInto(QWidget& board, int picture, const char* box) {
  auto* image = board.findChild<QWidget*>(QString("Img(%1)").arg(picture));
  const QPoint grip(50, 50);
  const QPoint target = board.findChild<QWidget*>(box)->geometry().topLeft() + grip;
  QTest::mousePress(image, Qt::LeftButton, {}, grip);
  QTest::mouseMove(image, grip + target - image->geometry().topLeft() - grip);
  QTest::mouseRelease(image, Qt::LeftButton, {}, grip);
}

bool walkWorkshop(QWidget& start, const QString& out) {
  clickButton(start, "Command2");
  QTest::qWait(300);
  QWidget* board = window("FrmCreer");
  if (board == nullptr) return false;
  writeKey(*board);
  dragInto(*board, 0, "Shape3");
  dragInto(*board, 1, "Shape1");
  dragInto(*board, 2, "Shape4");
  dragInto(*board, 3, "Shape2");
  bool ok = save(*board, out + "/atelier.png");
  clickIn(*board, "BtnEnreg");
  QTest::qWait(300);
  clickIn(*board, "BtnCharger");
  QTest::qWait(300);
  if (QWidget* loading = window("FrmChargerClassif")) {
    ok = save(*loading, out + "/atelier-charger.png") && ok;
    // The key just saved comes back over a board that was reset.
    board->findChild<QPlainTextEdit*>("Text010")->clear();
    clickIn(*loading, "BtnCharger");
    ok = board->findChild<QPlainTextEdit*>("Text010")->toPlainText() == "A-t-il des plumes ?" && ok;
  } else {
    ok = false;
  }
  clickIn(*board, "BtnTest");
  QTest::qWait(300);
  QWidget* trial = window("FrmTester");
  if (trial == nullptr) return false;
  clickIn(*trial, "Btn020");
  clickIn(*trial, "Btn003");
  ok = save(*trial, out + "/essai.png") && ok;
  for (const auto& path :
       std::vector<std::array<const char*, 3>>{{"Btn020", "Btn003", "BtnOK013"},
                                               {"Btn010", "Btn001", "BtnOK011"},
                                               {"Btn020", "Btn004", "BtnOK014"},
                                               {"Btn010", "Btn001", "BtnOK011"}}) {
    for (const char* name : path) clickIn(*trial, name);
  }
  QTest::qWait(2800);
  ok = save(*trial, out + "/essai-resultat.png") && ok;
  clickIn(*trial, "BtnRetour");
  QTest::qWait(200);
  clickButton(*board, "BtnQuit");
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setStyle("Fusion");
  QApplication::setPalette(QApplication::style()->standardPalette());
  const QString walk = argc == 4 ? QString(argv[3]) : QString();
  const bool ecrans = walk == "ecrans" || walk == "resultats";
  if (argc != 3 && !ecrans) {
    std::cerr << "usage : screenshots <dossier du programme> <dossier des images> "
                 "[ecrans|resultats]\n";
    return 2;
  }
  const QString out = argv[2];
  sylvenor::PosixFileAccess files;
  sylvenor::IniSettingsStore settings;
  // The whole-screen walk chooses its species by number.
  if (ecrans) settings.setValue("Paramètres", "Choix", "False");
  NoSession session;
  sylvenor::SystemClock clock;
  sylvenor::SystemVolumeQuery volumes;
  sylvenor::Programme programme(argv[1],
                                {files, settings, session, session, session, clock, volumes});
  sylvenor::Splashscreen start(programme);
  // As the program itself does: windows centred on the start screen's screen, Enter presses.
  sylvenor::WindowPlacer placer(start);
  sylvenor::EnterKeyClicker entree;
  QApplication::instance()->installEventFilter(&placer);
  QApplication::instance()->installEventFilter(&entree);
  start.Form_Load();
  start.show();
  bool ok = true;
  ModalAnswers answers(out, ok);
  if (walk == "resultats") return walkResults(start, answers, programme, out) ? 0 : 1;
  if (ecrans) return walkScreens(start, answers, programme, out) ? 0 : 1;
  ok = save(start, out + "/accueil.png");
  clickButton(start, "BtnEleve");
  ok = save(start, out + "/accueil-deploye.png") && ok;
  clickButton(start, "BtnProfesseur");
  QTest::qWait(500);
  ok = save(start.frmProf(), out + "/professeur.png") && ok;
  // The zones are only opened: the sample installation is never changed.
  clickButton(start.frmProf(), "CmdAjout");
  ok = save(start.frmProf(), out + "/professeur-fiches.png") && ok;
  answers.pictures["FrmImporterFiches"] = "professeur-exporter.png";
  clickButton(start.frmProf(), "BtnExporter");
  clickButton(start.frmProf(), "CmdSuppr");
  ok = save(start.frmProf(), out + "/professeur-suppression.png") && ok;
  clickButton(start.frmProf(), "CmdSuppr");
  ok = walkTeacherTools(start.frmProf(), answers, out) && ok;
  start.frmProf().hide();
  ok = walkAnimalKey(start, answers, out) && ok;
  answers.pictures["FrmImageAide"] = "aide-pattes-articulees.png";
  ok = walkKey(start, "Command3",
               {{"Frm2", "Btn02"},
                {"Frm2", "Btn021"},
                {"Frm2b", "Interrogation(0)"},
                {"Frm2b", "Btn01"},
                {"Frm2b", "Btn011"},
                {"Frm2b", "Btn0112"}},
               "Frm2b", out + "/cle-invertebres.png") &&
       ok;
  ok = walkKey(start, "Command5", {{"Frm3", "Btn02"}, {"Frm3", "Btn022"}, {"Frm3", "Btn0221"}},
               "Frm3", out + "/cle-vegetaux.png") &&
       ok;
  ok = walkBrowser(start, out) && ok;
  ok = walkWorkshop(start, out) && ok;
  return ok ? 0 : 1;
}
