#include <sys/stat.h>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "workshop/FichierClassification.h"
#include "workshop/WorkshopTest.h"

namespace sylvenor::test {
namespace {

const QString kNonPlacees = "Attention|Toutes les images n'ont pas été placées !";
const QString kMalPlacees = "Attention|Les images sont mal placées !";
const QString kAucun = "Attention|Aucun fichier ne peut être chargé";
constexpr const char* kFichier = "Léa 7 mars 2026 9-5-30";

class FrmCreerTest : public WorkshopTest {
 protected:
  FrmCreerTest() { ouvrir(); }

  QPoint place(int image) { return widget(plateau(), QString("Img(%1)").arg(image))->pos(); }
  QPoint boitePos(int boite) { return widget(plateau(), QString("Shape%1").arg(boite + 1))->pos(); }
  std::filesystem::path sauvegarde() const { return dossier_ / "sauvegardes" / kFichier; }
};

TEST_F(FrmCreerTest, EachPictureSnapsIntoEachBoxAndTheTopDecidesAtTheEdges) {
  for (int image = 0; image < 4; ++image) {
    for (int boite = 0; boite < 4; ++boite) {
      deposerDans(image, boite);
      EXPECT_EQ(place(image), boitePos(boite)) << image << boite;
      EXPECT_EQ(plateau().plateau().boite(image), boite);
    }
  }
  // From box D, a top of 1590 twips (60 above box B) lands in A, 15 twips lower in B.
  glisser(0, {0, (1590 - 4725) / 15});
  EXPECT_EQ(place(0), boitePos(0));
  glisser(0, {0, (1605 - 90) / 15});
  EXPECT_EQ(place(0), boitePos(1));
  // Let go 315 twips left of the column: back to the row, still counted as placed.
  glisser(0, {-21, 0});
  EXPECT_EQ(place(0), QPoint(24, 475));
  EXPECT_FALSE(plateau().plateau().enAttente(0));
  // 315 twips above box A: back to the row, waiting again.
  glisser(1, {0, (90 - 315 - 4725) / 15});
  EXPECT_TRUE(plateau().plateau().enAttente(1));
}

TEST_F(FrmCreerTest, ADragThatLosesTheMouseEndsAsARelease) {
  QWidget* img = widget(plateau(), "Img(2)");
  QTest::mousePress(img, Qt::LeftButton, {}, {50, 50});
  QTest::mouseMove(img, QPoint(50, 50) + boitePos(2) - place(2));
  // The next move comes with no button down: the release was lost.
  QMouseEvent sansBouton(QEvent::MouseMove, QPointF(50, 50), img->mapToGlobal(QPointF(50, 50)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(img, &sansBouton);
  EXPECT_EQ(plateau().plateau().boite(2), 2);
  QTest::mouseRelease(img, Qt::LeftButton, {}, {50, 50});

  QTest::mousePress(img, Qt::LeftButton, {}, {50, 50});
  QTest::mouseMove(img, QPoint(50, 50) + boitePos(3) - place(2));
  QEvent desactivation(QEvent::WindowDeactivate);
  QApplication::sendEvent(&plateau(), &desactivation);
  EXPECT_EQ(place(2), boitePos(3));
  QTest::mouseRelease(img, Qt::LeftButton, {}, {50, 50});
}

// Without a mouse: each picture takes the letter of its box, and its description shows with
// the focus.
TEST_F(FrmCreerTest, TheKeyboardPutsEachPictureIntoTheBoxOfItsLetter) {
  const Qt::Key lettres[] = {Qt::Key_C, Qt::Key_A, Qt::Key_D, Qt::Key_B};
  for (int i = 0; i < 4; ++i) {
    QWidget* image = widget(plateau(), QString("Img(%1)").arg(i));
    EXPECT_EQ(image->focusPolicy(), Qt::TabFocus);
    QTest::keyClick(image, lettres[i]);
  }
  EXPECT_EQ(plateau().plateau().boite(0), 2);
  EXPECT_EQ(plateau().plateau().boite(1), 0);
  EXPECT_EQ(plateau().plateau().boite(2), 3);
  EXPECT_EQ(plateau().plateau().boite(3), 1);
  QTest::keyClick(widget(plateau(), "Img(0)"), Qt::Key_E);
  QTest::keyClick(widget(plateau(), "Img(0)"), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(plateau().plateau().boite(0), 2);
  plateau().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&plateau()));
  widget(plateau(), "Img(1)")->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(widget(plateau(), "Aide")->isVisible());
}

TEST_F(FrmCreerTest, ATrialNeedsEveryBoxFilledOnce) {
  EXPECT_EQ(cliquerEnRepondant(plateau(), "BtnTest"), QStringList{kNonPlacees});
  placerToutes();
  deposerDans(3, 0);
  EXPECT_EQ(cliquerEnRepondant(plateau(), "BtnTest"), QStringList{kMalPlacees});
  deposerDans(3, 3);
  click(plateau(), "Command2");
  EXPECT_EQ(place(1), QPoint(149, 475));
  EXPECT_EQ(cliquerEnRepondant(plateau(), "BtnTest"), QStringList{kMalPlacees});
  placerToutes();
  EXPECT_TRUE(cliquerEnRepondant(plateau(), "BtnTest").isEmpty());
  EXPECT_FALSE(plateau().isVisible());
  EXPECT_NE(plateau().findChild<QWidget*>("FrmTester"), nullptr);
}

TEST_F(FrmCreerTest, PlaceholdersEmptyWhenClickedAndResetPutsThemBack) {
  EXPECT_EQ(plateau().classification(), ClassificationEleve::ouverture());
  boite("Text010")->setPlainText("Case à cocher ?");
  for (const char* name : {"Text100", "Text010", "Text020"}) {
    QTest::mouseClick(boite(name)->viewport(), Qt::LeftButton);
  }
  EXPECT_EQ(boite("Text100")->toPlainText(), "");
  EXPECT_EQ(boite("Text010")->toPlainText(), "");  // it began with "Case" too
  boite("Text020")->setPlainText("Vole-t-il ?");
  QTest::mouseClick(boite("Text020")->viewport(), Qt::LeftButton);
  EXPECT_EQ(boite("Text020")->toPlainText(), "Vole-t-il ?");
  boite("choix004")->setPlainText("non");
  click(plateau(), "Command2");
  EXPECT_EQ(plateau().classification(), ClassificationEleve::remiseAZero());
  // Coming with Tab empties it as a click does.
  plateau().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&plateau()));
  boite("choix004")->setFocus();
  boite("Text100")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(boite("Text100")->toPlainText(), "");
  EXPECT_EQ(boite("Text010")->toPlainText(), "Case 1");
}

TEST_F(FrmCreerTest, TheHelpPanelDescribesThePictureUnderThePointer) {
  QLabel* aide = child<QLabel>(plateau(), "Aide");
  EXPECT_FALSE(aide->isVisible());
  QTest::mouseMove(widget(plateau(), "Img(1)"), {10, 10});
  EXPECT_TRUE(aide->isVisible());
  EXPECT_TRUE(aide->text().startsWith("ESPECE: Corbeau\nMilieu de vie: terrestre\n"));
  // Each description is shown whole, down to the limbs that pupils sort on.
  for (int image = 0; image < 4; ++image) {
    QTest::mouseMove(widget(plateau(), QString("Img(%1)").arg(image)), {10, 10});
    EXPECT_EQ(textesPeuContrastes(plateau()).join(" | ").toStdString(), "");
    EXPECT_TRUE(aide->text().contains("Membres: "));
    EXPECT_TRUE(montreEntier(*aide)) << image;
  }
  QMouseEvent dehors(QEvent::MouseMove, QPointF(400, 20), QPointF(400, 20), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&plateau(), &dehors);
  EXPECT_FALSE(aide->isVisible());
  EXPECT_TRUE(aide->text().isEmpty());
}

TEST_F(FrmCreerTest, TheButtonsFollowTheTeacherOptionsAndPrintingTellsAFailure) {
  EXPECT_FALSE(widget(plateau(), "BtnImprim")->isVisible());
  option("OptImprim1");
  option("OptEnreg2");
  option("OptTest2");
  ouvrir();
  EXPECT_FALSE(widget(plateau(), "BtnEnreg")->isVisible());
  EXPECT_FALSE(widget(plateau(), "BtnCharger")->isVisible());
  EXPECT_FALSE(widget(plateau(), "BtnTest")->isVisible());
  EXPECT_TRUE(cliquerEnRepondant(plateau(), "BtnImprim").isEmpty());
  EXPECT_EQ(imprimante_.steps, (std::vector<std::string>{"image", "fin"}));
  EXPECT_EQ(imprimante_.largeurImage, plateau().width());
  EXPECT_EQ(imprimante_.hauteurImage, plateau().height());
  imprimante_.steps.clear();
  imprimante_.failing = {"image"};
  EXPECT_EQ(cliquerEnRepondant(plateau(), "BtnImprim"),
            QStringList{"Imprimer|Impression impossible\r Erreur n°  482\r\rVérifier la mise sous "
                        "tension, les cables, les drivers,..."});
  EXPECT_EQ(imprimante_.steps, (std::vector<std::string>{"image", "fin"}));
}

TEST_F(FrmCreerTest, ASavedKeyComesBackWholeIntoAFreshBoard) {
  const QStringList textes = {"Vit-il dans l'eau ?\nou sur terre ?",
                              "A-t-il des \"plumes\" ?",
                              "Écailles, poils",
                              "oui",
                              "non",
                              "œuf",
                              "  ",
                              "a, b",
                              "fin"};
  const char* noms[] = {"Text100",  "Text010",  "Text020",  "choix010", "choix020",
                        "choix001", "choix002", "choix003", "choix004"};
  for (int i = 0; i < 9; ++i) boite(noms[i])->setPlainText(textes[i]);
  EXPECT_EQ(cliquerEnRepondant(plateau(), "BtnEnreg"),
            QStringList{"Enregistrement|Enregistrement réussi."});
  ASSERT_TRUE(std::filesystem::exists(sauvegarde()));
  const std::string debut = "\"Vit-il dans l'eau ?\r\nou sur terre ?\",\"A-t-il des \x93plumes\x94";
  EXPECT_EQ(TempDir::readFile(sauvegarde()).substr(0, debut.size()), debut);

  placerToutes();
  ouvrir();
  deposerDans(0, 2);
  click(plateau(), "BtnCharger");
  auto* chargement = plateau().findChild<QWidget*>("FrmChargerClassif");
  ASSERT_NE(chargement, nullptr);
  auto* liste = child<QListWidget>(*chargement, "File1");
  ASSERT_EQ(liste->count(), 1);
  EXPECT_EQ(liste->item(0)->text(), kFichier);
  // Enter in the list loads the file chosen, as "Charger" does.
  chargement->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(chargement));
  // Enter on "Annuler" cancels; it never loads.
  auto* annuler = child<QPushButton>(*chargement, "BtnAnnuler");
  annuler->setFocus();
  const QPointer<QWidget> annule(chargement);
  QTest::keyClick(annuler, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_TRUE(annule.isNull() || !annule->isVisible());
  EXPECT_EQ(plateau().plateau().boite(0), 2);
  click(plateau(), "BtnCharger");
  chargement = plateau().findChild<QWidget*>("FrmChargerClassif");
  ASSERT_NE(chargement, nullptr);
  liste = child<QListWidget>(*chargement, "File1");
  chargement->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(chargement));
  liste->setCurrentRow(0);
  liste->setFocus();
  QTest::keyClick(liste, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(plateau().findChild<QWidget*>("FrmChargerClassif"), nullptr);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(boite(noms[i])->toPlainText(), QString(textes[i]).replace("\"plumes\"", "“plumes”"));
  }
  EXPECT_EQ(boite("Text020")->font().pointSize(), 10);
  EXPECT_EQ(plateau().plateau().boite(0), 2);
}

TEST_F(FrmCreerTest, AFailedSaveTellsWhyAndLeavesNoFile) {
  fichiers_.failOn(FaultyFileAccess::Operation::Replace, 1, FileError::AccesRefuse);
  const QStringList refus = cliquerEnRepondant(plateau(), "BtnEnreg");
  ASSERT_EQ(refus.size(), 1);
  EXPECT_TRUE(refus[0].startsWith("Attention|Fichiers en lecture seule.\nTraitement impossible."));
  std::filesystem::remove(dossier_ / "sauvegardes");
  const QStringList absent = cliquerEnRepondant(plateau(), "BtnEnreg");
  ASSERT_EQ(absent.size(), 1);
  EXPECT_TRUE(absent[0].startsWith("Attention|Erreur non reconnue.\nerreur 76\n"));
  EXPECT_FALSE(std::filesystem::exists(dossier_ / "sauvegardes"));
}

TEST_F(FrmCreerTest, TheLoadingWindowListsDeletesAndRefusesWhatIsNoKey) {
  EXPECT_EQ(cliquerEnRepondant(plateau(), "BtnCharger"), QStringList{kAucun});
  QWidget* chargement = plateau().findChild<QWidget*>("FrmChargerClassif");
  EXPECT_FALSE(widget(*chargement, "BtnCharger")->isEnabled());
  click(*chargement, "BtnAnnuler");
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  TempDir::writeFile(dossier_ / "sauvegardes" / "image.jpg", std::string("\xFF\xD8\xFF\0", 4));
  const ClassificationEleve avant = plateau().classification();
  click(plateau(), "BtnCharger");
  chargement = plateau().findChild<QWidget*>("FrmChargerClassif");
  EXPECT_EQ(cliquerEnRepondant(*chargement, "BtnCharger"),
            QStringList{"Attention|Ce fichier ne contient pas de classification.\nRien n'a été "
                        "chargé."});
  EXPECT_EQ(plateau().classification(), avant);
  ::chmod((dossier_ / "sauvegardes" / "image.jpg").c_str(), 0444);
  EXPECT_EQ(cliquerEnRepondant(*chargement, "BtnDetruire"), QStringList{kAucun});
  EXPECT_EQ(child<QListWidget>(*chargement, "File1")->count(), 0);
  EXPECT_FALSE(widget(*chargement, "BtnDetruire")->isEnabled());
  EXPECT_TRUE(std::filesystem::is_empty(dossier_ / "sauvegardes"));

  // The loading window belongs to the board: it goes when the board goes.
  QPointer<QWidget> restant = chargement;
  click(plateau(), "BtnQuit");
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(restant.isNull());
}

}  // namespace
}  // namespace sylvenor::test
