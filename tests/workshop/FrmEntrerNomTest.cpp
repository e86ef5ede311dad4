#include "workshop/FrmEntrerNom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/Twips.h"
#include "support/WindowTest.h"

namespace sylvenor {
namespace {

// Types as the keyboard does; QTest::keyClicks knows only ASCII keys.
void typeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// Title, text, icon and buttons of the refusal, as watchMessages() notes them.
const QString kRefus =
    QString("Attention|Pour le nom: uniquement des lettres et des chiffres|%1|%2")
        .arg(QMessageBox::NoIcon)
        .arg(QMessageBox::Ok);

std::string padded(const std::string& name) {
  return name + std::string(60 - QString::fromStdString(name).size(), ' ');
}

class FrmEntrerNomTest : public test::WindowTest {
 protected:
  Exercice& exercice() { return programme().exercice(); }
  void open() {
    entry_ = std::make_unique<FrmEntrerNom>(exercice());
    entry_->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(entry_.get()));
  }
  QLineEdit* box() { return child<QLineEdit>(*entry_, "TxtNomEleve"); }
  // The pupil clicks into the box, replaces what it holds and types.
  void type(const QString& text) {
    QTest::mouseClick(box(), Qt::LeftButton);
    box()->selectAll();
    QTest::keyClick(box(), Qt::Key_Delete);
    typeText(box(), text);
  }
  void pressEnter() { QTest::keyClick(box(), Qt::Key_Return); }
  bool stillOpen() { return entry_->isVisible() && entry_->result() != QDialog::Accepted; }
  // Answers with OK every message box that opens, and keeps what it said.
  void watchMessages() {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        messages_ << box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon()) +
                         "|" + QString::number(box->standardButtons());
        box->accept();
      }
    });
    poll_.start(0);
  }

  std::unique_ptr<FrmEntrerNom> entry_;
  QTimer poll_;
  QStringList messages_;
};

TEST_F(FrmEntrerNomTest, LooksAsDesigned) {
  open();
  EXPECT_EQ(entry_->size(), QSize(twips(7350), twips(1875)));
  EXPECT_TRUE(entry_->windowTitle().isEmpty());
  EXPECT_TRUE(entry_->isModal());
  EXPECT_EQ(entry_->palette().color(QPalette::Window), QColor(128, 128, 255));
  EXPECT_EQ(child<QLabel>(*entry_, "Label4")->text(), "Qui es-tu ?");
  EXPECT_EQ(child<QLabel>(*entry_, "Label1")->text(),
            "Entre ton nom dans la zone ci-dessous et clique sur \"Continuer\".");
  EXPECT_EQ(box()->text(), "<< Entrer un nom ici >>");
  EXPECT_TRUE(box()->font().bold());
  EXPECT_EQ(box()->font().pointSize(), 12);
  EXPECT_EQ(box()->palette().color(QPalette::Base), QColor(255, 192, 192));
  EXPECT_EQ(child<QAbstractButton>(*entry_, "Command1")->text(), "Continuer");
}

TEST_F(FrmEntrerNomTest, ContinuingAtOnceStaysOpenAndOffersTheFormerName) {
  exercice().nouvelEleve("  Léo");
  open();
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
  exercice().nouvelEleve("Léo");
  open();
  watchMessages();
  for (const QString refused : {"/", "\\", "*", "?", "=", ":", "+"}) {
    messages_.clear();
    type("Tom" + refused + "2");
    // Enter once, and the button for the others: each gives exactly one message.
    if (refused == "/") {
      pressEnter();
    } else {
      click(*entry_, "Command1");
    }
    EXPECT_EQ(messages_, QStringList{kRefus}) << refused.toStdString();
    EXPECT_TRUE(stillOpen());
    EXPECT_TRUE(box()->text().isEmpty());
    EXPECT_EQ(entry_->focusWidget(), box());
    EXPECT_EQ(exercice().NomEleve, padded("Léo"));
  }
}

TEST_F(FrmEntrerNomTest, BlanksEscapeAndClosingLeaveTheWindowOpenAndTheNameUnchanged) {
  exercice().nouvelEleve("Léo");
  open();
  watchMessages();
  type("     ");
  pressEnter();
  click(*entry_, "Command1");
  QTest::keyClick(entry_.get(), Qt::Key_Escape);
  EXPECT_FALSE(entry_->close());
  QTest::qWait(20);
  EXPECT_TRUE(messages_.isEmpty());
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

TEST_F(FrmEntrerNomTest, TheSameNameAgainZeroesTheCountersAndEndsTheWait) {
  exercice().nouvelEleve("Léo");
  exercice().NbAideTotal = 3;
  exercice().RangEspece = 4;
  exercice().NbBien = 2;
  exercice().NbErreurs = 1;
  FrmEntrerNom entry(exercice());
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&entry));
    auto* edit = entry.findChild<QLineEdit*>("TxtNomEleve");
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_Enter);
  });
  EXPECT_EQ(entry.exec(), QDialog::Accepted);
  EXPECT_EQ(exercice().NomEleve, padded("Léo"));
  EXPECT_EQ(exercice().NbAideTotal, 0);
  EXPECT_EQ(exercice().RangEspece, 0);
  EXPECT_EQ(exercice().NbBien, 0);
  EXPECT_EQ(exercice().NbErreurs, 0);
}

}  // namespace
}  // namespace sylvenor
