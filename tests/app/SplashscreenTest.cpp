#include "app/Splashscreen.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "platform/Twips.h"
#include "species/RecordCodec.h"
#include "support/ModalDriver.h"
#include "support/Reponses.h"
#include "support/WindowTest.h"
#include "teacher/FrmProf.h"

namespace sylvenor {
namespace {

class SplashscreenTest : public test::WindowTest {
 protected:
  Splashscreen& start() {
    if (!start_) {
      start_ = std::make_unique<Splashscreen>(programme());
      start_->Form_Load();
      start_->show();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(start_.get()));
    }
    return *start_;
  }
  QWidget* boxPass() { return child<QWidget>(start(), "BoxPass"); }
  QLineEdit* txtPass() { return child<QLineEdit>(start(), "TxtPass"); }
  bool teacherShown() { return start().frmProf().isVisible(); }
  void requirePassword(const std::string& password) {
    setSetting("Sécurité", "Pass", "1");
    setSetting("Sécurité", "Pswrd", password);
    setSetting("Paramètres", "DejaVu", "True");
  }
  void type(const QString& text) { QTest::keyClicks(txtPass(), text); }
  // Hands control back to the start screen, as closing an activity does.
  void activateStart() {
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&start(), &activate);
  }

  std::unique_ptr<Splashscreen> start_;
};

// Answers the name entry with `name`, as a pupil types it.
void typeName(test::ModalDriver& modals, const QString& name) {
  modals.avant = [name](QWidget& window) {
    if (window.objectName() != "FrmEntrerNom") return false;
    auto* box = window.findChild<QLineEdit*>("TxtNomEleve");
    box->clear();
    box->insert(name);  // QTest types ASCII only
    QTest::mouseClick(window.findChild<QAbstractButton*>("Command1"), Qt::LeftButton);
    return true;
  };
}

TEST_F(SplashscreenTest, OpensCollapsedAndThePupilEntryAsksTheNameThenExpandsTheMenu) {
  EXPECT_EQ(start().height(), twips(1905));
  EXPECT_FALSE(boxPass()->isVisible());
  test::ModalDriver modals;
  typeName(modals, "Léa");
  test::repondre(programme().exercice(), 5, 0);
  click(start(), "BtnEleve");
  EXPECT_EQ(start().height(), twips(4470));
  EXPECT_EQ(child<QLabel>(start(), "LblNomEleve")->text().trimmed(), "Léa");
  EXPECT_EQ(programme().exercice().nbBien(), 0);
  EXPECT_EQ(textesPeuContrastes(start()).join(" | ").toStdString(), "");
  click(start(), "BtnProfesseur");
  EXPECT_EQ(start().height(), twips(1905));
}

TEST_F(SplashscreenTest, TheAnimalKeyOpensOnceAndHandsBackToTheStartScreen) {
  start();
  FicheEspece renard;
  renard.Nom = "Renard roux";
  programme().base().ajouter(renard);
  test::ModalDriver modals;
  typeName(modals, "Tom");
  click(start(), "BtnEleve");
  click(start(), "Command3");
  click(start(), "Command3");
  const auto keys = [] {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      count += window->objectName() == "Frm2" && window->isVisible();
    }
    return count;
  };
  EXPECT_EQ(keys(), 1);
  auto* key = QApplication::activeWindow();
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == "Frm2") key = window;
  }
  click(*key, "BtnQuit");
  EXPECT_TRUE(QTest::qWaitFor([&] { return keys() == 0; }));
  EXPECT_EQ(modals.recaps.size(), 1);
  EXPECT_TRUE(start().isVisible());
}

QWidget* visibleWindow(const QString& name) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == name && window->isVisible()) return window;
  }
  return nullptr;
}

// One pupil's run at a time: the recap counts exactly the species it lists.
TEST_F(SplashscreenTest, WhileAKeyIsOpenNoOtherPupilOrKeyStartsAndTheRecapListsWhatItCounts) {
  start();
  FicheEspece renard;
  renard.Nom = "Renard roux";
  programme().base().ajouter(renard);
  FicheEspece chene = renard;
  chene.Nom = "Chêne";
  chene.Vegetal = -1;
  programme().base().ajouter(chene);
  test::ModalDriver modals;
  typeName(modals, "Léa");
  click(start(), "BtnEleve");
  click(start(), "Command3");
  QWidget* key = visibleWindow("Frm2");
  ASSERT_NE(key, nullptr);
  for (const char* name : {"Btn01", "Btn011", "BtnOK011"}) click(*key, name);

  typeName(modals, "Tom");
  click(start(), "BtnEleve");
  click(start(), "Command5");
  EXPECT_EQ(modals.vus.filter("message: Attention: Une activité est encore ouverte.").size(), 1);
  EXPECT_EQ(modals.vus.filter("message: Attention: Une classification est déjà commencée.").size(),
            1);
  EXPECT_EQ(visibleWindow("Frm3"), nullptr);
  EXPECT_EQ(child<QLabel>(start(), "LblNomEleve")->text().trimmed(), "Léa");

  click(*key, "BtnQuit");
  ASSERT_TRUE(QTest::qWaitFor([] { return visibleWindow("Frm2") == nullptr; }));
  ASSERT_EQ(modals.recaps.size(), 1);
  EXPECT_TRUE(modals.recaps[0].contains("Nombre d'espèces à classer: 1\n"));
  EXPECT_TRUE(modals.recaps[0].contains("Nombre d'espèces bien classées: 1\n"));
  EXPECT_TRUE(modals.recaps[0].contains("Renard roux"));
  click(start(), "BtnEleve");
  EXPECT_EQ(child<QLabel>(start(), "LblNomEleve")->text().trimmed(), "Tom");
}

TEST_F(SplashscreenTest, ASpeciesOfTheBrowserIsClassifiedOnceAndTheBrowserTellsItsGroup) {
  start();
  FicheEspece lichen;
  lichen.Nom = "Xanthorie murale";
  lichen.Vegetal = -1;
  lichen.Groupe = 5;
  programme().base().ajouter(lichen);
  test::ModalDriver modals;
  typeName(modals, "Tom");
  click(start(), "BtnEleve");
  click(start(), "Command1");
  QWidget* browser = visibleWindow("Form4");
  ASSERT_NE(browser, nullptr);
  auto* list = child<QListWidget>(*browser, "ListEsp");
  ASSERT_EQ(list->count(), 1);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(0)).center());
  click(*browser, "BtnGo");
  QWidget* key = visibleWindow("Frm3");
  ASSERT_NE(key, nullptr);
  for (const char* name : {"Btn02", "Btn022", "Btn0222", "BtnOK0222"}) click(*key, name);
  EXPECT_TRUE(QTest::qWaitFor([] { return visibleWindow("Frm3") == nullptr; }));
  EXPECT_EQ(child<QLabel>(*browser, "LblGroupe")->text(), "Cette plante est un Lichen.");
  EXPECT_EQ(programme().exercice().nbBien(), 0);
  EXPECT_EQ(programme().exercice().rangEspece(), 0);
  EXPECT_TRUE(modals.recaps.isEmpty());
}

// Folded, the menu below the window's edge cannot be reached, even with Tab.
TEST_F(SplashscreenTest, TheMenuOpensOnlyOnceThePupilIsNamedAndTheDictionaryOpensFromIt) {
  for (const char* entry : {"Command1", "Command2", "Command3", "Command5", "Command4"}) {
    EXPECT_FALSE(child<QWidget>(start(), entry)->isVisibleTo(&start())) << entry;
  }
  test::ModalDriver modals;
  typeName(modals, "Tom");
  click(start(), "BtnEleve");
  click(start(), "Command4");
  bool shown = false;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    shown = shown || (window->objectName() == "FrmAide" && window->isVisible());
  }
  EXPECT_TRUE(shown);
}

TEST_F(SplashscreenTest, TheWorkshopOpensOnceAndItsQuitButtonShowsTheStartScreen) {
  test::ModalDriver modals;
  typeName(modals, "Tom");
  click(start(), "BtnEleve");
  click(start(), "Command2");
  click(start(), "Command2");
  QList<QWidget*> boards;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == "FrmCreer") boards << window;
  }
  ASSERT_EQ(boards.size(), 1);
  EXPECT_TRUE(child<QLabel>(*boards[0], "TxtNomEleve")->text().startsWith("Tom"));
  start().hide();
  QPointer<QWidget> board = boards[0];
  click(*board, "BtnQuit");
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(board.isNull());
  EXPECT_TRUE(start().isVisible());
}

TEST_F(SplashscreenTest, WithNoSettingsTheTeacherEntryOpensTheTeacherScreenAtOnce) {
  auto welcome = answerNextModal();
  click(start(), "BtnProfesseur");
  EXPECT_FALSE(boxPass()->isVisible());
  EXPECT_TRUE(teacherShown());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !welcome->title.isEmpty(); }));
  EXPECT_EQ(welcome->title, "Bienvenue");
}

TEST_F(SplashscreenTest, TheStoredPasswordOpensTheTeacherScreenWithOkOrEnter) {
  requirePassword("Chene");
  click(start(), "BtnProfesseur");
  ASSERT_TRUE(boxPass()->isVisible());
  type("Chene");
  click(start(), "Command6");
  EXPECT_TRUE(teacherShown());
  EXPECT_EQ(txtPass()->text(), "Chene");
  start().frmProf().hide();
  click(start(), "BtnProfesseur");
  EXPECT_TRUE(txtPass()->text().isEmpty());
  type("Chene");
  QTest::keyClick(txtPass(), Qt::Key_Return);
  EXPECT_TRUE(teacherShown());
}

TEST_F(SplashscreenTest, RefusedPasswordsEmptyTheFieldAndKeepTheBoxOpen) {
  requirePassword("Chene");
  click(start(), "BtnProfesseur");
  for (const char* wrong : {"chene", " Chene", "Chene ", "", "TARVE"}) {
    type(wrong);
    QTest::keyClick(txtPass(), Qt::Key_Enter);
    EXPECT_FALSE(teacherShown()) << wrong;
    EXPECT_TRUE(boxPass()->isVisible());
    EXPECT_TRUE(txtPass()->text().isEmpty());
  }
  type("tarve");
  click(start(), "Command6");
  EXPECT_TRUE(teacherShown());
}

TEST_F(SplashscreenTest, AnEmptyStoredPasswordAcceptsAnEmptyEntry) {
  requirePassword("");
  click(start(), "BtnProfesseur");
  click(start(), "Command6");
  EXPECT_TRUE(teacherShown());
}

TEST_F(SplashscreenTest, ComingBackToTheStartScreenHidesThePasswordBox) {
  requirePassword("x");
  click(start(), "BtnProfesseur");
  ASSERT_TRUE(boxPass()->isVisible());
  activateStart();
  EXPECT_FALSE(boxPass()->isVisible());
}

TEST_F(SplashscreenTest, EscapeInThePasswordBoxPutsItAway) {
  requirePassword("x");
  click(start(), "BtnProfesseur");
  ASSERT_TRUE(boxPass()->isVisible());
  QTest::keyClick(child<QWidget>(start(), "TxtPass"), Qt::Key_Escape);
  EXPECT_FALSE(boxPass()->isVisible());
}

TEST_F(SplashscreenTest, QuitFollowsTheStoredMode) {
  const std::pair<const char*, std::vector<std::string>> modes[] = {
      {"0", {"quitter"}}, {"1", {"éteindre"}}, {"2", {"redémarrer"}}, {"7", {}}};
  for (const auto& [mode, asked] : modes) {
    session_.demandes.clear();
    setSetting("Sécurité", "QuitMod", mode);
    click(start(), "BtnQuit");
    EXPECT_EQ(session_.demandes, asked) << mode;
  }
}

TEST_F(SplashscreenTest, ThePasswordAndQuitModeSetByTheTeacherAreInForceAtOnce) {
  setSetting("Paramètres", "DejaVu", "True");
  click(start(), "BtnProfesseur");
  ASSERT_TRUE(teacherShown());
  QTimer::singleShot(0, [] {
    QWidget* secu = QApplication::activeModalWidget();
    ASSERT_NE(secu, nullptr);
    secu->findChild<QLineEdit*>("TxtPass")->insert("Chene");
    auto* redemarrer = secu->findChild<QAbstractButton*>("OptQuitter(2)");
    QTest::mouseClick(redemarrer, Qt::LeftButton, {}, QPoint(8, redemarrer->height() / 2));
    QTest::mouseClick(secu->findChild<QAbstractButton*>("Command1"), Qt::LeftButton);
  });
  QTest::mouseClick(start().frmProf().findChild<QWidget*>("LblSecurite"), Qt::LeftButton);
  start().frmProf().hide();
  click(start(), "BtnQuit");
  EXPECT_EQ(session_.demandes, std::vector<std::string>{"redémarrer"});
  click(start(), "BtnProfesseur");
  EXPECT_TRUE(boxPass()->isVisible());
  EXPECT_FALSE(teacherShown());
  type("Chene");
  click(start(), "Command6");
  EXPECT_TRUE(teacherShown());
}

TEST_F(SplashscreenTest, StartsOnAnInstallationWithNoDataFolder) {
  EXPECT_EQ(start().height(), twips(1905));
  EXPECT_EQ(programme().base().NbFiches(), 0);
}

TEST_F(SplashscreenTest, LoadsTheBaseBeforeTheStartScreenOpens) {
  std::string bytes;
  for (int n = 0; n < 3; ++n) {
    const auto record = RecordCodec::encode(FicheEspece{});
    bytes.append(record.data(), record.size());
  }
  test::TempDir::writeFile(dossier_ / "data/base.dat", bytes);
  start();
  EXPECT_EQ(programme().base().NbFiches(), 3);
}

TEST_F(SplashscreenTest, PictureButtonsCarryAFrenchTooltipAndName) {
  for (const char* name : {"BtnEleve", "BtnProfesseur", "BtnQuit", "Command1", "Command3"}) {
    auto* button = child<QWidget>(start(), name);
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->toolTip().isEmpty()) << name;
    EXPECT_EQ(button->accessibleName(), button->toolTip()) << name;
  }
}

}  // namespace
}  // namespace sylvenor
