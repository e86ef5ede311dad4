#include "workshop/FrmEntrerNom.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <tuple>

#include "keys/Exercice.h"
#include "support/ModalDriver.h"
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
    entry_ = std::make_unique<FrmEntrerNom>(exercice());
    entry_->show();
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
};

TEST_F(FrmEntrerNomTest, ContinuingAtOnceStaysOpenAndOffersTheFormerName) {
  open("  Léo");
  EXPECT_FALSE(box()->hasFocus());
  click(*entry_, "Command1");
  EXPECT_TRUE(stillOpen());
  EXPECT_TRUE(box()->hasFocus());
  EXPECT_EQ(box()->text(), "Léo");
  EXPECT_EQ(exercice().NomEleve, padded("  Léo"));
}

TEST_F(FrmEntrerNomTest, OneSecondAfterOpeningTheBoxHasTheFocus) {
  open();
  QTest::qWait(500);
  EXPECT_FALSE(box()->hasFocus());
  EXPECT_EQ(box()->text(), "<< Entrer un nom ici >>");
  EXPECT_TRUE(QTest::qWaitFor([&] { return box()->hasFocus(); }, 1500));
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
    EXPECT_EQ(exercice().NomEleve, padded("Léo"));
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
  EXPECT_EQ(exercice().NomEleve, padded("Léo"));
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
    EXPECT_EQ(exercice().NomEleve, stored);
  }
}

TEST_F(FrmEntrerNomTest, TheSameNameAgainWithTheKeypadEnterZeroesTheCounters) {
  open("Léo");
  Exercice& e = exercice();
  std::tie(e.NbAideTotal, e.RangEspece, e.NbBien, e.NbErreurs) = std::tuple(3, 4, 2, 1);
  QTest::mouseClick(box(), Qt::LeftButton);
  QTest::keyClick(box(), Qt::Key_Enter);
  EXPECT_EQ(entry_->result(), QDialog::Accepted);
  EXPECT_EQ(e.NomEleve, padded("Léo"));
  EXPECT_EQ((std::vector<int>{e.NbAideTotal, e.RangEspece, e.NbBien, e.NbErreurs}),
            std::vector<int>(4, 0));
}

}  // namespace
}  // namespace sylvenor
