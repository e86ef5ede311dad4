#include "teacher/FrmProf.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "app/FrmTemp.h"
#include "support/WindowTest.h"

namespace sylvenor {
namespace {

class FrmProfTest : public test::WindowTest {
 protected:
  FrmProf& prof() {
    if (!prof_) prof_ = std::make_unique<FrmProf>(programme(), pictures_);
    return *prof_;
  }
  // Shows the screen as the teacher entry does, answering the welcome box if it comes.
  std::shared_ptr<ModalSeen> showScreen() {
    auto seen = answerNextModal();
    prof().show();
    prof().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&prof()));
    QTest::qWait(50);
    return seen;
  }
  bool checked(const QString& name) { return child<QAbstractButton>(prof(), name)->isChecked(); }
  void choose(const QString& name) { click(prof(), name); }
  // The same user's next run of the program.
  void restart() {
    prof_.reset();
    restartProgram();
  }

  FrmTemp pictures_{dossier_.path()};
  std::unique_ptr<FrmProf> prof_;
};

TEST_F(FrmProfTest, AFreshInstallationShowsTheDefaultOptions) {
  showScreen();
  EXPECT_EQ(textesPeuContrastes(prof()).join(" | ").toStdString(), "");
  for (const char* on :
       {"OptImprim2", "OptTest1", "OptEnreg1", "OptChoix1", "OptRep1", "OptCompteur1", "OptFiche1",
        "OptUtiliser(0)", "OptUtiliser(1)", "OptUtiliser(2)", "OptUtiliser(3)"}) {
    EXPECT_TRUE(checked(on)) << on;
  }
  for (const char* off : {"OptImprim1", "OptTest2", "OptEnreg2", "OptChoix2", "OptRep2",
                          "OptCompteur2", "OptFiche2"}) {
    EXPECT_FALSE(checked(off)) << off;
  }
}

// Tab comes to the option chosen, then leaves the pair.
TEST_F(FrmProfTest, TabLandsOnTheChosenOptionOfEachPair) {
  setSetting("Paramètres", "DejaVu", "True");
  setSetting("Paramètres", "Reponse", "False");
  restart();
  showScreen();
  ASSERT_TRUE(checked("OptRep2"));
  prof().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&prof()));
  child<QWidget>(prof(), "OptChoix1")->setFocus(Qt::TabFocusReason);
  const auto tab = [this](Qt::KeyboardModifiers sens = Qt::NoModifier) {
    QTest::keyClick(prof().focusWidget(), Qt::Key_Tab, sens);
    return prof().focusWidget()->objectName();
  };
  EXPECT_EQ(tab(), "OptRep2");
  EXPECT_EQ(tab(), "OptCompteur1");
  EXPECT_EQ(tab(Qt::ShiftModifier), "OptRep2");
  EXPECT_EQ(tab(Qt::ShiftModifier), "OptChoix1");
}

TEST_F(FrmProfTest, TheWelcomeComesOnTheFirstVisitOnlyEvenAfterARestart) {
  auto first = showScreen();
  EXPECT_EQ(first->title, "Bienvenue");
  EXPECT_TRUE(
      first->text.startsWith("C'est la première fois que vous venez dans le module professeur\n"
                             "Merci d'envoyer un message aux auteurs du logiciel pour leur\n"
                             "faire part de vos remarques.\n\n"));
  EXPECT_EQ(setting("Paramètres", "DejaVu"), "True");
  prof().hide();
  auto second = showScreen();
  EXPECT_TRUE(second->title.isEmpty());
  restart();
  auto afterRestart = showScreen();
  EXPECT_TRUE(afterRestart->title.isEmpty());
}

TEST_F(FrmProfTest, ShowsTheNumberOfCards) {
  for (int n = 0; n < 12; ++n) programme().base().ajouter(FicheEspece{});
  showScreen();
  EXPECT_EQ(child<QLabel>(prof(), "LblNbFiches")->text(), "12");
}

TEST_F(FrmProfTest, ValidatingSavesTheChoicesWhichSurviveARestart) {
  setSetting("Paramètres", "DejaVu", "True");
  showScreen();
  choose("OptImprim1");
  choose("OptCompteur2");
  choose("OptChoix2");
  choose("OptUtiliser(1)");
  click(prof(), "Command1");
  EXPECT_FALSE(prof().isVisible());
  EXPECT_EQ(setting("Paramètres", "Impression"), "True");
  EXPECT_EQ(setting("Paramètres", "Compteur"), "False");
  EXPECT_EQ(setting("Paramètres", "Choix"), "False");
  EXPECT_EQ(setting("Paramètres", "Utiliser_1"), "0");
  EXPECT_EQ(setting("Paramètres", "Tester"), "True");
  restart();
  EXPECT_TRUE(checked("OptImprim1"));
  EXPECT_TRUE(checked("OptCompteur2"));
  EXPECT_TRUE(checked("OptChoix2"));
  EXPECT_FALSE(checked("OptUtiliser(1)"));
  EXPECT_FALSE(prof().options().compteur);
}

// The teacher must know when an option is not kept: here the settings file cannot be written.
TEST_F(FrmProfTest, AChoiceThatCannotBeSavedIsToldAndHoldsForTheRun) {
  std::filesystem::create_directories(dossier_ / "config" / "brambel-Sylvenor.ini");
  restart();
  showScreen();
  choose("OptImprim1");
  auto seen = answerNextModal();
  click(prof(), "Command1");
  EXPECT_EQ(seen->title, "Attention");
  EXPECT_TRUE(seen->text.startsWith("Les réglages n'ont pas pu être enregistrés"))
      << seen->text.toStdString();
  EXPECT_FALSE(prof().isVisible());
  EXPECT_TRUE(prof().options().impression);
}

TEST_F(FrmProfTest, ClearingEveryFilterTicksTheFirstAgainOnValidation) {
  setSetting("Paramètres", "DejaVu", "True");
  showScreen();
  for (const char* box : {"OptUtiliser(0)", "OptUtiliser(1)", "OptUtiliser(2)", "OptUtiliser(3)"}) {
    choose(box);
  }
  click(prof(), "Command1");
  EXPECT_TRUE(checked("OptUtiliser(0)"));
  EXPECT_EQ(setting("Paramètres", "Utiliser_0"), "1");
  EXPECT_EQ(setting("Paramètres", "Utiliser_2"), "0");
}

TEST_F(FrmProfTest, TheWebAddressOpensThroughTheSystemBrowser) {
  auto* web = child<QLabel>(prof(), "LblWeb");
  ASSERT_NE(web, nullptr);
  emit web->linkActivated(FrmProf::kAdresseWeb);
  EXPECT_EQ(session_.demandes,
            std::vector<std::string>{std::string("ouvrir ") + FrmProf::kAdresseWeb});
}

TEST_F(FrmProfTest, TheDiskPanelShowsWhileItsLabelIsHeldDown) {
  showScreen();
  auto* label = child<QLabel>(prof(), "LblInfosDisque");
  auto* panel = child<QWidget>(prof(), "FrmInfosDisque");
  const auto text = [this](const char* name) { return child<QLabel>(prof(), name)->text(); };
  volumes_.reponse = {3, 5'000'000'000'000ULL, 1'999'999};
  QTest::mousePress(label, Qt::LeftButton);
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(volumes_.demande, dossier_.path());
  EXPECT_EQ(text("LblChemin").toStdString(), dossier_.path().string());
  EXPECT_EQ(text("LblTypeDisque"), "disque permanent");
  EXPECT_EQ(text("LblTailleTotale"), "5000000 Mo");
  EXPECT_EQ(text("LblTailleLibre"), "1 Mo");
  QTest::mouseRelease(label, Qt::LeftButton);
  EXPECT_FALSE(panel->isVisible());
  // A failed query reads as nothing; a code of no known type leaves the type shown.
  volumes_.reponse = {9, 0, 999'999};
  QTest::mousePress(label, Qt::LeftButton);
  EXPECT_EQ(text("LblTypeDisque"), "disque permanent");
  EXPECT_EQ(text("LblTailleTotale"), "0 Mo");
  EXPECT_EQ(text("LblTailleLibre"), "0 Mo");
  QTest::mouseRelease(label, Qt::LeftButton);
  for (const auto& [code, type] : {std::pair{0, "Indéterminé"}, std::pair{1, "chemin non valide"},
                                   std::pair{2, "disque non permanent"}, std::pair{4, "REMOTE"},
                                   std::pair{5, "CD ROM"}, std::pair{6, "RAMDISK"}}) {
    volumes_.reponse = {code, 0, 0};
    QTest::mousePress(label, Qt::LeftButton);
    EXPECT_EQ(text("LblTypeDisque"), type);
    QTest::mouseRelease(label, Qt::LeftButton);
  }
  // Held down with Space, as with the mouse button.
  EXPECT_EQ(label->focusPolicy(), Qt::StrongFocus);
  QTest::keyPress(label, Qt::Key_Space);
  EXPECT_TRUE(panel->isVisible());
  QTest::keyRelease(label, Qt::Key_Space);
  EXPECT_FALSE(panel->isVisible());
}

TEST_F(FrmProfTest, TheSecurityAndAboutLabelsOpenTheirWindows) {
  showScreen();
  QStringList seen;
  QTimer::singleShot(0, [&seen] {
    QWidget* modal = QApplication::activeModalWidget();
    seen << (modal ? modal->objectName() : "");
    if (modal) modal->close();
  });
  QTest::mouseClick(child<QLabel>(prof(), "LblSecurite"), Qt::LeftButton);
  QTimer::singleShot(0, [&seen] {
    QWidget* modal = QApplication::activeModalWidget();
    seen << (modal ? modal->objectName() : "");
    if (modal) modal->close();
  });
  QTest::mouseClick(child<QLabel>(prof(), "LblAPropos"), Qt::LeftButton);
  // From the keyboard, Space opens them as it presses a button.
  QTimer::singleShot(0, [&seen] {
    QWidget* modal = QApplication::activeModalWidget();
    seen << (modal ? modal->objectName() : "");
    if (modal) modal->close();
  });
  QTest::keyClick(child<QLabel>(prof(), "LblSecurite"), Qt::Key_Space);
  EXPECT_EQ(seen, (QStringList{"FrmSecu", "FrmAPropos", "FrmSecu"}));
  // The release of a key pressed elsewhere (the Enter that closed a dialog) opens nothing.
  QTest::keyRelease(child<QLabel>(prof(), "LblAPropos"), Qt::Key_Return);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_FALSE(setting("Sécurité", "Pass").has_value());
}

}  // namespace
}  // namespace sylvenor
