#include "workshop/FrmEntrerNom.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include "keys/Exercice.h"
#include "support/ModalDriver.h"
#include "support/Reponses.h"
#include "support/WindowTest.h"

namespace sylvenor {
namespace {

const QString kRefus = "message: Attention: Pour le nom: uniquement des lettres et des chiffres";

std::string padded(const std::string& name) {
  return name + std::string(60 - QString::fromStdString(name).size(), ' ');
}

class FrmEntrerNomTest : public test::WindowTest {
 protected:
  FrmEntrerNomTest() {
    // The name window stays for the test to drive; only the messages are answered.
    modals_.avant = [](QWidget& window) { return qobject_cast<QMessageBox*>(&window) == nullptr; };
  }
  Exercice& exercice() { return programme().exercice(); }
  void open(const std::string& former = "") {
    if (!former.empty()) exercice().nouvelEleve(former);
    entry_ = std::make_unique<FrmEntrerNom>(exercice(), programme().horloge());
    entry_->show();
    focus_ = takeTimer(*entry_, "Timer1", std::chrono::seconds(1));
    EXPECT_TRUE(QTest::qWaitForWindowActive(entry_.get()));
  }
  QLineEdit* box() { return child<QLineEdit>(*entry_, "TxtNomEleve"); }
  // The pupil clicks into the box, replaces what it holds and types, as the keyboard does:
  // QTest::keyClicks knows only ASCII keys.
  void type(const QString& text) {
    QTest::mouseClick(box(), Qt::LeftButton);
    box()->selectAll();
    QTest::keyClick(box(), Qt::Key_Delete);
    for (const QChar c : text) {
      QTest::sendKeyEvent(QTest::Click, box(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
  bool stillOpen() { return entry_->isVisible() && entry_->result() != QDialog::Accepted; }

  test::ModalDriver modals_;
  std::unique_ptr<FrmEntrerNom> entry_;
  QTimer* focus_ = nullptr;
};

TEST_F(FrmEntrerNomTest, ContinuingAtOnceStaysOpenAndOffersTheFormerName) {
  open("  Léo");
  EXPECT_FALSE(box()->hasFocus());
  click(*entry_, "Command1");
  EXPECT_TRUE(stillOpen());
  EXPECT_TRUE(box()->hasFocus());
  EXPECT_EQ(box()->text(), "Léo");
  EXPECT_EQ(exercice().nomEleve(), padded("  Léo"));
}

TEST_F(FrmEntrerNomTest, OneSecondAfterOpeningTheBoxHasTheFocus) {
  open();
  EXPECT_FALSE(box()->hasFocus());
  EXPECT_EQ(box()->text(), "<< Entrer un nom ici >>");
  tick(*focus_);
  EXPECT_TRUE(box()->hasFocus());
  EXPECT_TRUE(box()->text().isEmpty());  // no pupil before
}

TEST_F(FrmEntrerNomTest, EachRefusedCharacterGivesOneMessageAndEmptiesTheBox) {
  open("Léo");
  for (const QString refused : {"/", "\\", "*", "?", "=", ":", "+"}) {
    SCOPED_TRACE(refused.toStdString());
    modals_.vus.clear();
    type("Tom" + refused + "2");
    // Enter once, and the button for the others: each gives exactly one message.
    if (refused == "/") {
      QTest::keyClick(box(), Qt::Key_Return);
    } else {
      click(*entry_, "Command1");
    }
    EXPECT_EQ(modals_.vus, QStringList{kRefus});
    EXPECT_TRUE(stillOpen());
    EXPECT_TRUE(box()->text().isEmpty());
    EXPECT_EQ(entry_->focusWidget(), box());
    EXPECT_EQ(exercice().nomEleve(), padded("Léo"));
  }
}

TEST_F(FrmEntrerNomTest, BlanksEscapeAndClosingLeaveTheWindowOpenAndTheNameUnchanged) {
  open("Léo");
  type("     ");
  QTest::keyClick(box(), Qt::Key_Return);
  click(*entry_, "Command1");
  QTest::keyClick(entry_.get(), Qt::Key_Escape);
  EXPECT_FALSE(entry_->close());
  QTest::qWait(20);
  EXPECT_TRUE(modals_.vus.isEmpty());
  EXPECT_TRUE(stillOpen());
  EXPECT_EQ(exercice().nomEleve(), padded("Léo"));
}

TEST_F(FrmEntrerNomTest, AcceptedNamesAreStoredOnSixtyCharacters) {
  const QString seventy = QString("Ébène-") + QString(64, 'x');
  const std::pair<QString, std::string> cases[] = {
      {" Inès ", padded(" Inès")},
      {"Zoé-Lou", padded("Zoé-Lou")},
      {seventy, seventy.left(60).toStdString()},
  };
  for (const auto& [typed, stored] : cases) {
    open();
    type(typed);
    click(*entry_, "Command1");
    EXPECT_FALSE(stillOpen()) << typed.toStdString();
    EXPECT_EQ(exercice().nomEleve(), stored);
  }
}

TEST_F(FrmEntrerNomTest, TheSameNameAgainWithTheKeypadEnterZeroesTheCounters) {
  open("Léo");
  Exercice& e = exercice();
  test::repondre(e, 2, 1);
  e.aideConsultee();
  QTest::mouseClick(box(), Qt::LeftButton);
  QTest::keyClick(box(), Qt::Key_Enter);
  EXPECT_EQ(entry_->result(), QDialog::Accepted);
  EXPECT_EQ(e.nomEleve(), padded("Léo"));
  EXPECT_EQ((std::vector<int>{e.nbAideTotal(), e.rangEspece(), e.nbBien(), e.nbErreurs()}),
            std::vector<int>(4, 0));
}

}  // namespace
}  // namespace sylvenor
