#include "ScreenWalk.h"

#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

#include "ModalAnswers.h"
#include "WalkSteps.h"
#include "app/Programme.h"
#include "app/Splashscreen.h"
#include "teacher/FrmProf.h"

namespace {

using walk::clickButton;
using walk::clickIn;
using walk::numero;
using walk::saveScreen;
using walk::window;

QString ecran(const QString& out, const QString& nom) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize taille = screen->geometry().size() * screen->devicePixelRatio();
  return QString("%1/ecran-%2-%3x%4.png").arg(out, nom).arg(taille.width()).arg(taille.height());
}

// A key opened on one species, the card brought in by the pointer over the photograph.
bool keyWithCard(QWidget& start, const char* entry, std::vector<const char*> clicks,
                 const char* shown, const QString& file) {
  clickButton(start, entry);
  QTest::qWait(400);
  for (const char* name : clicks) {
    if (QWidget* key = window("Frm2")) clickIn(*key, name);
    QTest::qWait(200);
  }
  QWidget* key = window(shown);
  if (key == nullptr) return false;
  QTest::mouseMove(key->findChild<QWidget*>("ImgEspece"));
  QTest::qWait(400);  // the card slides up
  const bool ok = saveScreen(file);
  QTest::mouseMove(key, QPoint(20, 300));
  clickButton(*key, "BtnQuit");
  QTest::qWait(400);
  return ok;
}

bool keys(QWidget& start, ModalAnswers& answers, sylvenor::Programme& programme,
          const QString& out) {
  answers.numero = numero(programme, "Grenouille rousse");
  bool ok = keyWithCard(start, "Command3", {}, "Frm2", ecran(out, "cle-animal"));
  answers.numero = numero(programme, "Scorpion noir à queue jaune");
  ok =
      keyWithCard(start, "Command3", {"Btn02", "Btn021"}, "Frm2b", ecran(out, "cle-invertebres")) &&
      ok;
  answers.numero = numero(programme, "Olivier");
  return keyWithCard(start, "Command5", {}, "Frm3", ecran(out, "cle-vegetaux")) && ok;
}

bool board(QWidget& start, const QString& out) {
  clickButton(start, "Command2");
  QTest::qWait(400);
  QWidget* plateau = window("FrmCreer");
  if (plateau == nullptr) return false;
  bool ok = true;
  for (int i = 0; i < 4; ++i) {
    QTest::mouseMove(plateau->findChild<QWidget*>(QString("Img(%1)").arg(i)), QPoint(20, 20));
    ok = saveScreen(ecran(out, QString("atelier-description-%1").arg(i + 1))) && ok;
  }
  clickButton(*plateau, "BtnQuit");
  QTest::qWait(300);
  return ok;
}

// The editor open, then one of its lines holding 35 characters (nothing is saved).
bool editor(sylvenor::Splashscreen& start, const QString& out) {
  clickButton(start, "BtnProfesseur");
  QTest::qWait(500);
  QWidget& prof = start.frmProf();
  clickButton(prof, "CmdAjout");
  bool ok = saveScreen(ecran(out, "professeur-fiches"));
  auto* ligne = prof.findChild<QLineEdit*>("TxtInfo(0)");
  prof.findChild<QScrollArea*>("Defilement")->ensureWidgetVisible(ligne);
  QTest::mouseClick(ligne, Qt::LeftButton);
  ligne->selectAll();
  QTest::keyClicks(ligne, "prairies humides, bois et mares 123");
  return saveScreen(ecran(out, "professeur-ligne-35")) && ok;
}

}  // namespace

bool walkScreens(sylvenor::Splashscreen& start, ModalAnswers& answers,
                 sylvenor::Programme& programme, const QString& out) {
  clickButton(start, "BtnEleve");
  QTest::qWait(300);
  bool ok = keys(start, answers, programme, out);
  ok = board(start, out) && ok;
  return editor(start, out) && ok;
}
