#include "keys/FrmCle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPropertyAnimation>
#include <QScrollBar>
#include <QTest>

#include <fstream>
#include <set>
#include <sstream>

#include "app/EnterKeyClicker.h"
#include "app/FrmTemp.h"
#include "keys/FicheInfo.h"
#include "keys/FrmDemanderNumEsp.h"
#include "platform/Twips.h"
#include "results/ResultatsEleves.h"
#include "support/ModalDriver.h"
#include "support/Reponses.h"
#include "support/WindowTest.h"
#include "teacher/FrmProf.h"

namespace sylvenor {
namespace {

std::string padded(const std::string& text, std::size_t width) {
  // Widths count characters as the files do; the texts here are one byte each but for "è".
  std::size_t length = 0;
  for (const unsigned char c : text) length += (c & 0xC0) != 0x80;
  return text + std::string(width - length, ' ');
}

class FrmCleTest : public test::WindowTest {
 protected:
  FrmCleTest() { setSetting("Paramètres", "DejaVu", "True"); }
  // A key still open must not outlive the teacher screen it reads its options from.
  ~FrmCleTest() override { delete cle_; }

  void ajouter(const std::string& nom, std::int16_t vegetal, std::int16_t groupe,
               std::int16_t repartition = 0) {
    FicheEspece fiche;
    fiche.Nom = padded(nom, 50);
    fiche.Vegetal = vegetal;
    fiche.Groupe = groupe;
    fiche.Repartition = repartition;
    fiche.Info[1] = padded("herbe", 35);
    programme().base().ajouter(fiche);
  }

  FrmCle& ouvrir(const ProfilCle& profil = ProfilCle::animaux(), OrigineCle origine = {}) {
    delete cle_;
    prof_ = std::make_unique<FrmProf>(programme(), pictures_);
    numero_ = std::make_unique<FrmDemanderNumEsp>(programme().base());
    cle_ =
        new FrmCle(programme(), profil, {pictures_, *numero_, accueil_, [] {}}, std::move(origine));
    cle_->show();
    demarre_ = cle_->demarrer();
    return *cle_;
  }
  void clic(const char* name) { click(*cle_, name); }
  // The key window open now under that name (the invertebrate key is a window of its own).
  static QWidget* fenetre(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == name && window->isVisible()) return window;
    }
    return nullptr;
  }
  void cliquerDans(const QString& window, const std::vector<const char*>& names) {
    for (const char* name : names) {
      QWidget* target = fenetre(window);
      ASSERT_NE(target, nullptr) << window.toStdString() << " " << name;
      click(*target, name);
    }
  }
  QString texte(const char* name) { return child<QLabel>(*cle_, name)->text(); }
  bool visible(const char* name) { return child<QWidget>(*cle_, name)->isVisible(); }
  void classerMammifere() {
    clic("Btn01");
    clic("Btn011");
    clic("BtnOK011");
  }
  // The card's slide played to its end at once.
  void glissementFini() {
    auto* slide = cle_->findChild<QPropertyAnimation*>("GlissementFiche");
    if (slide->state() == QAbstractAnimation::Running)
      slide->setCurrentTime(slide->totalDuration());
  }
  void fermeture() {
    ASSERT_TRUE(QTest::qWaitFor([this] { return cle_.isNull(); }));
  }

  // Walks every answer of the key that stays in this window, looking at each state reached.
  static void parcourir(QWidget& cle, const DefinitionCle& definition, std::set<std::string>& vus,
                        QStringList& barres) {
    barres << lignesQuiBarrent(cle);
    for (const auto& noeud : definition.noeuds) {
      for (const auto& reponse : noeud.reponses) {
        auto* bouton = cle.findChild<QAbstractButton*>(QString::fromStdString(reponse.nom));
        if (reponse.passage || !bouton->isVisible() || !vus.insert(reponse.nom).second) continue;
        QTest::mouseClick(bouton, Qt::LeftButton);
        parcourir(cle, definition, vus, barres);
      }
    }
  }

  test::ModalDriver modals_;
  FrmTemp pictures_{dossier_.path()};
  QWidget accueil_;
  std::unique_ptr<FrmProf> prof_;
  std::unique_ptr<FrmDemanderNumEsp> numero_;
  QPointer<FrmCle> cle_;
  bool demarre_ = false;
};

TEST_F(FrmCleTest, AWholeExerciseIsCountedAndRecappedExactly) {
  ajouter("Renard roux", 0, 0);
  ajouter("Chêne", -1, 0);
  programme().exercice().nouvelEleve("Léa");
  ouvrir();
  EXPECT_EQ(texte("LblCompteAide"), "0 - total: 0");
  EXPECT_EQ(texte("LblEssai"), "1");
  EXPECT_EQ(texte("LblPourcent"), "100 %");
  EXPECT_FALSE(visible("Text01"));
  EXPECT_EQ(texte("LblNom"), QString::fromStdString("  " + padded("Renard roux", 50)));
  EXPECT_EQ(texte("LblInfo(1)"), QString::fromStdString("NOURRITURE: " + padded("herbe", 35)));
  // Each species starts with the keyboard on the first answer, never on "Quitter".
  EXPECT_EQ(cle_->focusWidget()->objectName(), "Btn01");

  classerMammifere();
  EXPECT_EQ(cle_->focusWidget()->objectName(), "Btn01");
  EXPECT_EQ(modals_.couleurs, QStringList{"vert"});
  EXPECT_EQ(texte("LblEssai"), "2");
  EXPECT_FALSE(visible("Text011"));  // the key is back at its first criterion

  for (int i = 0; i < 3; ++i) {
    clic("Btn01");
    clic("Label3(3)");
  }
  EXPECT_EQ(texte("LblCompteAide"), "3 - total: 3");
  clic("Btn012");
  clic("BtnOK012");
  EXPECT_EQ(texte("LblErreur"), "1");
  EXPECT_TRUE(visible("Text012"));  // the right group must still be found
  EXPECT_EQ(texte("LblPourcent"), "50 %");
  EXPECT_EQ(child<QWidget>(*cle_, "Barcolor1")->width(), twips(855));
  clic("Btn011");
  clic("BtnOK011");
  EXPECT_EQ(texte("LblCompteAide"), "0 - total: 3");
  EXPECT_EQ(modals_.couleurs, (QStringList{"vert", "rouge", "vert"}));

  clic("BtnQuit");
  fermeture();
  ASSERT_EQ(modals_.recaps.size(), 1);
  const std::string species = "N°1- " + padded("Renard roux", 50);
  const std::string expected = "Récapitulatif pour " + padded("Léa", 60) +
                               "\n\nAide utilisée 3 fois\n"
                               "Nombre d'espèces à classer: 2\n"
                               "Nombre d'espèces bien classées: 2\n"
                               "Nombre d'erreurs: 1\n\n" +
                               species + "   > " + padded("Mammifère", 20) + "\n" + species +
                               "   > " + padded("Oiseau", 20) + "   > " + padded("Mammifère", 20) +
                               "\n";
  EXPECT_EQ(modals_.recaps[0].toStdString(), expected);
  EXPECT_TRUE(accueil_.isVisible());
  EXPECT_EQ(programme().exercice().rangEspece(), 2);
  // The teacher keeps the run, its recap exactly as shown.
  const auto gardes = ResultatsEleves(fichiers_, dossier_.path()).lire().resultats;
  ASSERT_EQ(gardes.size(), 1u);
  EXPECT_EQ(gardes[0].recap, expected);
  EXPECT_EQ(gardes[0].fichier, "Léa 7 mars 2026 9-5-30.txt");
  EXPECT_EQ(
      (std::vector<int>{gardes[0].especes, gardes[0].bien, gardes[0].erreurs, gardes[0].aide}),
      (std::vector<int>{2, 2, 1, 3}));
  EXPECT_EQ(gardes[0].cles, "animaux");
}

TEST_F(FrmCleTest, WithoutTheRightAnswerRuleAWrongValidationMovesOn) {
  programme().options().reponse = false;
  ajouter("Truite fario", 0, 4);
  ouvrir();
  clic("Btn01");
  clic("Btn011");
  clic("BtnOK011");
  EXPECT_EQ(texte("LblEssai"), "2");
  EXPECT_EQ(texte("LblErreur"), "1");
  EXPECT_EQ(texte("LblPourcent"), "0 %");
  // A disk that refuses the result never keeps the pupil from the recap.
  fichiers_.failOn(test::FaultyFileAccess::Operation::Replace, 1, FileError::DisquePlein);
  clic("BtnQuit");
  fermeture();
  EXPECT_TRUE(ResultatsEleves(fichiers_, dossier_.path()).lire().resultats.empty());
  ASSERT_EQ(modals_.recaps.size(), 1);
  EXPECT_TRUE(
      modals_.recaps[0].endsWith(QString::fromStdString("   > " + padded("Mammifère", 20) + "\n")));
}

TEST_F(FrmCleTest, NoAnimalToPresentClosesTheKeyWithANoticeAndNoRecap) {
  for (const bool plants : {false, true}) {
    modals_.vus.clear();
    if (plants) ajouter("Chêne", -1, 0);
    ouvrir();
    EXPECT_FALSE(demarre_);
    fermeture();
    ASSERT_EQ(modals_.vus.size(), 1) << plants;
    EXPECT_TRUE(modals_.vus[0].startsWith("message: Information: Il n'y a aucun animal"));
    EXPECT_TRUE(modals_.recaps.isEmpty());
  }
}

TEST_F(FrmCleTest, AnimalsOutsideTheTickedDistributionsAreNotPresented) {
  programme().options().utiliser[0] = false;
  ajouter("Renard roux", 0, 0, 0);
  ouvrir();
  EXPECT_FALSE(demarre_);
}

TEST_F(FrmCleTest, ThePupilChoosesTheNumberAndAPlantBringsThePromptBack) {
  programme().options().choix = false;
  ajouter("Chêne", -1, 0);
  ajouter("Renard roux", 0, 0);
  int prompts = 0;
  modals_.avant = [&prompts](QWidget& window) {
    if (window.objectName() != "FrmDemanderNumEsp") return false;
    // First validation on species 1, a plant; then one step right, to species 2.
    if (++prompts == 2) {
      window.findChild<QScrollBar*>("Scroll")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    QTest::mouseClick(window.findChild<QAbstractButton*>("BtnQuit"), Qt::LeftButton);
    return true;
  };
  ouvrir();
  EXPECT_EQ(prompts, 2);
  EXPECT_EQ(programme().exercice().especeCourante(), 2);
}

// Name, kingdom and six lines of each species of the sample list.
std::vector<std::vector<std::string>> especesExemple() {
  std::ifstream file(SYLVENOR_SAMPLE_SOURCE "/especes.txt");
  std::vector<std::vector<std::string>> especes;
  for (std::string ligne; std::getline(file, ligne);) {
    if (ligne.empty() || ligne.front() == '#') continue;
    std::vector<std::string> champs;
    std::istringstream morceaux(ligne);
    for (std::string champ; std::getline(morceaux, champ, '|');) {
      champ.erase(0, champ.find_first_not_of(' '));
      champ.erase(champ.find_last_not_of(' ') + 1);
      champs.push_back(champ);
    }
    especes.push_back(champs);
  }
  return especes;
}

TEST_F(FrmCleTest, TheCardShowsEveryLineOfTheSampleWhole) {
  const auto especes = especesExemple();
  ASSERT_GT(especes.size(), 80U);
  ajouter("Renard roux", 0, 0);
  ouvrir();
  auto* card = child<FicheInfo>(*cle_, "FrmInfo");
  card->show();
  for (const auto& espece : especes) {
    const bool vegetal = espece.at(1) == "végétal";
    std::array<std::string, 6> lignes;
    for (std::size_t i = 0; i < lignes.size(); ++i) lignes[i] = padded(espece.at(4 + i), 35);
    card->montrer(padded(espece.at(0), 50), rubriques(vegetal ? kVegetal : kAnimal), lignes);
    card->move(card->x(), cle_->height() - card->height());
    EXPECT_TRUE(montreEntier(*card->nom())) << espece.at(0);
    for (std::size_t i = 0; i < lignes.size(); ++i) {
      EXPECT_TRUE(montreEntier(*card->ligne(i))) << card->ligne(i)->text().toStdString();
    }
  }
}

// Every text of the three keys reads clearly, the share's bar short or long, the card shown.
TEST_F(FrmCleTest, EveryTextStandsOutFromItsBackground) {
  ajouter("Renard roux", 0, 0);
  ajouter("Chêne", -1, 0);
  for (const ProfilCle* profil :
       {&ProfilCle::animaux(), &ProfilCle::invertebres(), &ProfilCle::vegetaux()}) {
    for (const int bien : {1, 9}) {
      programme().exercice().nouvelEleve("Léa");
      test::repondre(programme().exercice(), bien, 10 - bien);
      ouvrir(*profil,
             profil == &ProfilCle::invertebres() ? OrigineCle{nullptr, 1, {}} : OrigineCle{});
      QTest::mouseMove(child<QWidget>(*cle_, "ImgEspece"));
      glissementFini();
      EXPECT_EQ(textesPeuContrastes(*cle_).join(" | ").toStdString(), "")
          << profil->nomFenetre << " " << bien;
    }
  }
}

TEST_F(FrmCleTest, NoLineOfTheKeysRunsOverATextOrAButton) {
  ajouter("Renard roux", 0, 0);
  ajouter("Chêne", -1, 0);
  for (const ProfilCle* profil :
       {&ProfilCle::animaux(), &ProfilCle::invertebres(), &ProfilCle::vegetaux()}) {
    ouvrir(*profil,
           profil == &ProfilCle::invertebres() ? OrigineCle{nullptr, 1, {}} : OrigineCle{});
    std::set<std::string> vus;
    QStringList barres;
    parcourir(*cle_, *profil->definition, vus, barres);
    barres.removeDuplicates();
    EXPECT_EQ(barres.join(" | ").toStdString(), "") << profil->nomFenetre;
  }
}

TEST_F(FrmCleTest, EnterPressesTheAnswerOrTheOkButtonThatHasTheKeyboard) {
  EnterKeyClicker entree;
  QApplication::instance()->installEventFilter(&entree);
  ajouter("Renard roux", 0, 0);
  ouvrir();
  cle_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(cle_));
  for (const char* name : {"Btn01", "Btn011", "BtnOK011"}) {
    auto* bouton = child<QWidget>(*cle_, name);
    ASSERT_TRUE(bouton->isVisible()) << name;
    bouton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(bouton, Qt::Key_Return);
  }
  EXPECT_EQ(modals_.couleurs, QStringList{"vert"});
}

TEST_F(FrmCleTest, TheCardSlidesInOverThePhotographOnlyWhenAllowed) {
  ajouter("Renard roux", 0, 0);
  ouvrir();
  auto* card = child<QWidget>(*cle_, "FrmInfo");
  EXPECT_FALSE(card->isVisible());
  QTest::mouseMove(cle_, QPoint(20, 300));  // wherever the pointer was before
  QTest::mouseMove(child<QWidget>(*cle_, "ImgEspece"));
  EXPECT_TRUE(card->isVisible());
  EXPECT_GT(card->y(), twips(6360));  // it comes from below, while events go on
  glissementFini();
  EXPECT_EQ(card->y(), twips(6360));
  EXPECT_TRUE(cle_->rect().contains(card->geometry()));
  QTest::mouseMove(cle_, QPoint(20, 300));
  EXPECT_TRUE(card->isVisible());
  // Back over the photograph midway, the card turns and comes up again.
  QTest::mouseMove(child<QWidget>(*cle_, "ImgEspece"), QPoint(5, 5));
  glissementFini();
  EXPECT_EQ(card->y(), twips(6360));
  QTest::mouseMove(cle_, QPoint(20, 300));
  glissementFini();
  EXPECT_FALSE(card->isVisible());
  // From the keyboard: the card comes with the focus on the photograph and goes with it.
  cle_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(cle_));
  child<QWidget>(*cle_, "ImgEspece")->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(card->isVisible());
  child<QWidget>(*cle_, "Btn01")->setFocus(Qt::TabFocusReason);
  glissementFini();
  EXPECT_FALSE(card->isVisible());
  child<QAbstractButton>(*prof_, "OptFiche2")->setChecked(true);
  QTest::mouseMove(child<QWidget>(*cle_, "ImgEspece"));
  EXPECT_FALSE(card->isVisible());
}

TEST_F(FrmCleTest, TheMagnifierShowsOnlyWithAnEnlargedPhotographAndNoFrameStaysBlank) {
  ajouter("Renard roux", 0, 0);
  QImage placeholder(30, 20, QImage::Format_RGB32);
  placeholder.fill(Qt::gray);
  std::filesystem::create_directories(dossier_ / "data");
  ASSERT_TRUE(placeholder.save(QString::fromStdString((dossier_ / "data/0.jpg").string())));
  ouvrir();
  EXPECT_FALSE(child<QWidget>(*cle_, "IcoLoupe")->isVisible());
  // Without its photograph, the species shows "Pas de photo", never a blank frame.
  EXPECT_EQ(child<QLabel>(*cle_, "ImgEspece")->pixmap().size(), QSize(30, 20));
  clic("BtnQuit");
  fermeture();
  test::TempDir::writeFile(dossier_ / "data/1grand.jpg", "pas une image");
  ouvrir();
  ASSERT_TRUE(visible("IcoLoupe"));
  clic("IcoLoupe");  // an unreadable picture shows the placeholder, and is not help
  EXPECT_TRUE(modals_.vus.contains("FrmImageAide"));
  EXPECT_EQ(texte("LblCompteAide"), "0 - total: 0");
}

TEST_F(FrmCleTest, ClosingTheWindowIsQuittingWithTheRecap) {
  ajouter("Renard roux", 0, 0);
  ouvrir();
  cle_->close();
  fermeture();
  EXPECT_EQ(modals_.recaps.size(), 1);
  EXPECT_EQ(programme().exercice().rangEspece(), 0);
}

struct Chemin {
  std::int16_t vegetal;
  std::int16_t groupe;
  std::vector<const char*> cle;    // clicks in the key opened
  std::vector<const char*> suite;  // clicks in the invertebrate key, after the hand-over
};

TEST_F(FrmCleTest, EveryLeafOfTheThreeKeysRecordsItsGroupThroughRealClicks) {
  const std::vector<const char*> passage = {"Btn02", "Btn021"};
  const std::vector<Chemin> chemins = {
      {0, 0, {"Btn01", "Btn011", "BtnOK011"}, {}},
      {0, 1, {"Btn01", "Btn012", "BtnOK012"}, {}},
      {0, 3, {"Btn01", "Btn013", "BtnOK013"}, {}},
      {0, 2, {"Btn01", "Btn014", "BtnOK014"}, {}},
      {0, 4, {"Btn01", "Btn015", "BtnOK015"}, {}},
      {0, 8, passage, {"Btn01", "Btn011", "Btn0111", "BtnOK0111"}},
      {0, 5, passage, {"Btn01", "Btn011", "Btn0112", "BtnOK0112"}},
      {0, 9, passage, {"Btn01", "Btn012", "BtnOK012"}},
      {0, 7, passage, {"Btn01", "Btn013", "BtnOK013"}},
      {0, 10, passage, {"Btn02", "Btn021", "Btn0211", "BtnOK0211"}},
      {0, 11, passage, {"Btn02", "Btn021", "Btn0212", "BtnOK0212"}},
      {0, 12, passage, {"Btn02", "Btn022", "Btn0221", "BtnOK0221"}},
      {0, 6, passage, {"Btn02", "Btn022", "Btn0222", "BtnOK0222"}},
      {-1, 0, {"Btn01", "Btn012", "BtnOK012"}, {}},
      {-1, 1, {"Btn01", "Btn013", "BtnOK013"}, {}},
      {-1, 2, {"Btn02", "Btn021", "Btn0211", "BtnOK0211"}, {}},
      {-1, 3, {"Btn02", "Btn021", "Btn0212", "BtnOK0212"}, {}},
      {-1, 4, {"Btn02", "Btn022", "Btn0221", "BtnOK0221"}, {}},
      {-1, 5, {"Btn02", "Btn022", "Btn0222", "BtnOK0222"}, {}}};
  for (const Chemin& chemin : chemins) {
    programme().base().setNbFiches(0);
    ajouter("Espèce", chemin.vegetal, chemin.groupe);
    const bool plante = chemin.vegetal == -1;
    ouvrir(plante ? ProfilCle::vegetaux() : ProfilCle::animaux());
    modals_.couleurs.clear();
    cliquerDans(plante ? "Frm3" : "Frm2", chemin.cle);
    if (!chemin.suite.empty()) cliquerDans("Frm2b", chemin.suite);
    EXPECT_EQ(modals_.couleurs, QStringList{"vert"}) << chemin.vegetal << " " << chemin.groupe;
    // Back in the key opened, at its first criterion, with the next species.
    EXPECT_TRUE(fenetre("Frm2b") == nullptr || QTest::qWaitFor([] { return !fenetre("Frm2b"); }));
    EXPECT_EQ(programme().exercice().nbBien(), 1);
    programme().exercice().nouvelEleve("");
  }
}

TEST_F(FrmCleTest, TheInvertebrateKeyGoesOnWithTheSameSpeciesAndComesBack) {
  ajouter("Cloporte", 0, 5);
  ouvrir();
  clic("Btn02");
  clic("Btn021");
  QWidget* suite = fenetre("Frm2b");
  ASSERT_NE(suite, nullptr);
  EXPECT_FALSE(cle_->isVisible());
  EXPECT_TRUE(child<QWidget>(*suite, "Text1")->isVisible());
  EXPECT_TRUE(child<QWidget>(*suite, "Interrogation(0)")->isVisible());
  EXPECT_FALSE(child<QWidget>(*suite, "Text01")->isVisible());
  EXPECT_EQ(child<QLabel>(*suite, "LblNom")->text(), texte("LblNom"));
  click(*suite, "Btn01");
  click(*suite, "Btn011");
  click(*suite, "Btn0111");
  EXPECT_TRUE(child<QWidget>(*suite, "Text0111")->isVisible());
  click(*suite, "Btn013");
  EXPECT_FALSE(child<QWidget>(*suite, "Text011")->isVisible());
  EXPECT_FALSE(child<QWidget>(*suite, "Text0111")->isVisible());
  EXPECT_TRUE(child<QWidget>(*suite, "Text013")->isVisible());
  click(*suite, "Btn02");
  EXPECT_FALSE(child<QWidget>(*suite, "Text013")->isVisible());
  click(*suite, "BtnFrm1");
  EXPECT_TRUE(QTest::qWaitFor([] { return fenetre("Frm2b") == nullptr; }));
  EXPECT_TRUE(cle_->isVisible());
  EXPECT_TRUE(visible("Text02"));  // as it was left
  EXPECT_EQ(programme().exercice().rangEspece(), 1);
  EXPECT_EQ(modals_.couleurs.size(), 0);
  // A wrong group in the invertebrate key stays there; quitting it gives the recap.
  clic("Btn021");
  cliquerDans("Frm2b", {"Btn01", "Btn012", "BtnOK012"});
  EXPECT_EQ(modals_.couleurs, QStringList{"rouge"});
  ASSERT_NE(fenetre("Frm2b"), nullptr);
  cliquerDans("Frm2b", {"BtnQuit"});
  EXPECT_TRUE(QTest::qWaitFor([this] { return cle_.isNull() && fenetre("Frm2b") == nullptr; }));
  ASSERT_EQ(modals_.recaps.size(), 1);
  // The species still on screen is left out; its error stays counted.
  EXPECT_TRUE(modals_.recaps[0].contains(
      "Nombre d'espèces à classer: 0\nNombre d'espèces bien classées: 0\nNombre d'erreurs: 1"));
  EXPECT_TRUE(accueil_.isVisible());
}

TEST_F(FrmCleTest, ThePlantWarningShowsWithTheWaterAnswersOnly) {
  ajouter("Fucus", -1, 4);
  ouvrir(ProfilCle::vegetaux());
  EXPECT_TRUE(visible("Interrogation(1)"));
  EXPECT_FALSE(visible("LblAttention"));
  clic("Btn02");
  clic("Btn022");
  EXPECT_FALSE(visible("LblAttention"));
  clic("Btn0221");
  EXPECT_TRUE(visible("LblAttention"));
  clic("Btn0222");
  EXPECT_TRUE(visible("LblAttention"));
  EXPECT_TRUE(visible("Text0222"));
  clic("Btn021");
  EXPECT_FALSE(visible("LblAttention"));
  EXPECT_FALSE(visible("Text0222"));
  EXPECT_TRUE(visible("Text021"));
}

TEST_F(FrmCleTest, ASingleClassificationFromTheBrowserRecordsNothingAndTellsTheGroup) {
  ajouter("Lichen des murs", -1, 5);
  test::repondre(programme().exercice(), 4, 0);
  std::string phrase;
  ouvrir(ProfilCle::vegetaux(), {nullptr, 1, [&phrase](const std::string& p) { phrase = p; }});
  clic("Btn01");
  clic("Btn012");
  clic("BtnOK012");  // wrong: not counted, and the pupil looks again
  EXPECT_TRUE(visible("Text012"));
  clic("Btn02");
  clic("Btn022");
  clic("Btn0222");
  clic("BtnOK0222");
  fermeture();
  EXPECT_EQ(phrase, "Cette plante est un Lichen.");
  EXPECT_EQ(programme().exercice().nbBien(), 4);
  EXPECT_EQ(programme().exercice().nbErreurs(), 0);
  EXPECT_EQ(programme().exercice().rangEspece(), 4);
  EXPECT_TRUE(modals_.recaps.isEmpty());
  EXPECT_FALSE(std::filesystem::exists(dossier_ / "resultats"));
}

}  // namespace
}  // namespace sylvenor
