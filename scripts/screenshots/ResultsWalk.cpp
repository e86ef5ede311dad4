#include "ScreenWalk.h"

#include <QComboBox>
#include <QScreen>
#include <QTableWidget>
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
using walk::save;
using walk::saveScreen;
using walk::window;

struct Reponse {
  const char* espece;  // the species presented
  bool mammifere;      // validated as a mammal, else as a bird
};

// A pupil enters the name, validates groups for the species in turn, and quits the key with
// the last one on screen.
bool pupil(QWidget& start, ModalAnswers& answers, sylvenor::Programme& programme,
           const QString& nom, const std::vector<Reponse>& reponses) {
  answers.nom = nom;
  clickButton(start, "BtnEleve");
  QTest::qWait(300);
  answers.numero = numero(programme, reponses.front().espece);
  clickButton(start, "Command3");
  QTest::qWait(400);
  QWidget* key = window("Frm2");
  if (key == nullptr) return false;
  for (std::size_t i = 0; i < reponses.size(); ++i) {
    if (i + 1 < reponses.size()) answers.numero = numero(programme, reponses[i + 1].espece);
    const bool mammifere = reponses[i].mammifere;
    for (const char* name :
         {"Btn01", mammifere ? "Btn011" : "Btn012", mammifere ? "BtnOK011" : "BtnOK012"}) {
      clickIn(*key, name);
    }
    QTest::qWait(200);
  }
  clickButton(*key, "BtnQuit");
  QTest::qWait(500);
  return true;
}

QString ecran(const QString& out, const QString& nom) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize taille = screen->geometry().size() * screen->devicePixelRatio();
  return QString("%1/ecran-%2-%3x%4.png").arg(out, nom).arg(taille.width()).arg(taille.height());
}

}  // namespace

bool walkResults(sylvenor::Splashscreen& start, ModalAnswers& answers,
                 sylvenor::Programme& programme, const QString& out) {
  bool ok = pupil(
      start, answers, programme, "Léa",
      {{"Renard roux", true}, {"Merle noir", true}, {"Merle noir", false}, {"Sanglier", true}});
  ok = pupil(start, answers, programme, "Tom",
             {{"Merle noir", true},
              {"Merle noir", false},
              {"Renard roux", false},
              {"Renard roux", true},
              {"Chamois", true}}) &&
       ok;
  ok = pupil(start, answers, programme, "Inès", {{"Renard roux", true}, {"Chamois", true}}) && ok;
  clickButton(start, "BtnProfesseur");
  QTest::qWait(500);
  clickIn(start.frmProf(), "BtnResultats");
  QTest::qWait(500);
  QWidget* resultats = window("FrmResultats");
  if (resultats == nullptr) return false;
  ok = save(*resultats, out + "/resultats.png") && ok;
  auto* eleve = resultats->findChild<QComboBox*>("CboEleve");
  eleve->setCurrentIndex(eleve->findText("Tom"));
  ok = save(*resultats, out + "/resultats-eleve.png") && ok;
  ok = saveScreen(ecran(out, "resultats")) && ok;
  eleve->setCurrentIndex(0);
  answers.fichier = "resultats.pdf";
  clickIn(*resultats, "BtnPdf");
  answers.fichier = "resultats.csv";
  clickIn(*resultats, "BtnExporter");
  QTest::qWait(300);
  return ok;
}
