#include "keys/FrmRecap.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "keys/RecapText.h"
#include "platform/QtPrinter.h"
#include "support/WindowTest.h"

namespace sylvenor {
namespace {

using test::TempDir;

const std::string kRecap =
    "Récapitulatif pour <b>Léo</b>\n\n"
    "Aide utilisée 1 fois\n"
    "Nombre d'espèces à classer: 1\n"
    "Nombre d'espèces bien classées: 1\n"
    "Nombre d'erreurs: 0\n\n"
    "N°4- Pie bavarde   > Oiseau              \n";

const QString kMessage = QString::fromStdString(RecapText::messageImpression(482));
const std::vector<std::string> kEtapes = {"ligne", "police", "texte", "fin"};

std::string manyLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "Ligne " + std::to_string(i) + " du récapitulatif\n";
  return text;
}

// Answers every message box that opens while it lives, and keeps what each one said.
class MessageRecorder {
 public:
  struct Message {
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
  };

  MessageRecorder() {
    QObject::connect(&poll_, &QTimer::timeout, [this] { answer(); });
    poll_.start(0);
  }
  const std::vector<Message>& seen() const { return seen_; }

 private:
  void answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    seen_.push_back({box->windowTitle(), box->text(), box->standardButtons()});
    box->accept();
  }

  QTimer poll_;
  std::vector<Message> seen_;
};

class FrmRecapTest : public test::WindowTest {
 protected:
  FrmRecap& recap(const std::string& text = kRecap) {
    if (!recap_) {
      recap_ = std::make_unique<FrmRecap>(text, programme().imprimante());
      recap_->show();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(recap_.get()));
    }
    return *recap_;
  }
  QLabel* lblRecap() { return child<QLabel>(recap(), "LblRecap"); }
  // Prints once and returns the messages it showed.
  std::vector<MessageRecorder::Message> print(const std::vector<std::string>& failing = {}) {
    imprimante_.failing = failing;
    imprimante_.steps.clear();
    MessageRecorder messages;
    click(recap(), "CmdImprim");
    QTest::qWait(20);
    return messages.seen();
  }

  std::unique_ptr<FrmRecap> recap_;
};

TEST_F(FrmRecapTest, ShowsTheRecapAsPlainTextInFixedWidthWithItsButtons) {
  EXPECT_EQ(recap().windowTitle(), "Récapitulatif");
  EXPECT_TRUE(recap().isModal());
  ASSERT_NE(lblRecap(), nullptr);
  EXPECT_EQ(lblRecap()->text(), QString::fromStdString(kRecap));
  EXPECT_EQ(lblRecap()->textFormat(), Qt::PlainText);
  EXPECT_TRUE(QFontInfo(lblRecap()->font()).fixedPitch());
  EXPECT_EQ(child<QPushButton>(recap(), "CmdImprim")->text(), "Imprimer le récapitulatif");
  EXPECT_EQ(child<QPushButton>(recap(), "BtnQuitter")->text(), "Quitter");
}

TEST_F(FrmRecapTest, ALongRecapScrolls) {
  recap(manyLines(300));
  auto* area = qobject_cast<QScrollArea*>(lblRecap()->parentWidget()->parentWidget());
  ASSERT_NE(area, nullptr);
  EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
}

TEST_F(FrmRecapTest, PrintingRunsTheFourStepsInOrderWithArialAndTheShownText) {
  EXPECT_TRUE(print().empty());
  EXPECT_EQ(imprimante_.steps, kEtapes);
  EXPECT_EQ(imprimante_.police, "Arial");
  EXPECT_EQ(imprimante_.texte, kRecap);
}

TEST_F(FrmRecapTest, AFailingStepShowsOneMessageThenTheNextStepsRun) {
  for (const std::string& step : kEtapes) {
    const auto messages = print({step});
    ASSERT_EQ(messages.size(), 1u) << step;
    EXPECT_EQ(messages[0].title, "Imprimer");
    EXPECT_EQ(messages[0].text, kMessage);
    EXPECT_EQ(messages[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(imprimante_.steps, kEtapes);
    EXPECT_TRUE(recap().isVisible());
  }
}

TEST_F(FrmRecapTest, NoPrinterAtAllGivesOneMessagePerStepAndKeepsTheRecapOpen) {
  const auto messages = print(kEtapes);
  ASSERT_EQ(messages.size(), 4u);
  for (const auto& message : messages) EXPECT_EQ(message.text, kMessage);
  EXPECT_TRUE(recap().isVisible());
  EXPECT_TRUE(print().empty());
}

TEST_F(FrmRecapTest, QuitterEndsTheModalRecap) {
  FrmRecap modal(kRecap, programme().imprimante());
  QTimer::singleShot(0, [&modal] { click(modal, "BtnQuitter"); });
  // Should the button not close it, the test fails instead of waiting for ever.
  QTimer::singleShot(5000, &modal, &QDialog::reject);
  EXPECT_EQ(modal.exec(), QDialog::Accepted);
  EXPECT_FALSE(modal.isVisible());
  EXPECT_TRUE(imprimante_.steps.empty());
}

class QtPrinterTest : public ::testing::Test {
 protected:
  QString file() const { return QString::fromStdString((dossier_ / "sortie.pdf").string()); }
  // Prints the four steps as the recap does; true when none failed.
  static bool printAll(Printer& printer, const std::string& text, const std::string& font) {
    const int errors[] = {printer.printEmptyLine(), printer.setFontName(font),
                          printer.printText(text), printer.endDocument()};
    return std::all_of(std::begin(errors), std::end(errors), [](int e) { return e == 0; });
  }
  int pages() const {
    const QString pdf = QString::fromStdString(TempDir::readFile(dossier_ / "sortie.pdf"));
    return static_cast<int>(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")));
  }

  TempDir dossier_;
};

TEST_F(QtPrinterTest, ALongTextFollowsOnSeveralPages) {
  QtPrinter printer(file());
  EXPECT_TRUE(printAll(printer, manyLines(300), "Arial"));
  EXPECT_GE(pages(), 3);
}

TEST_F(QtPrinterTest, ALineWiderThanThePageWrapsInsteadOfBeingCut) {
  QtPrinter printer(file());
  EXPECT_TRUE(printAll(printer, std::string(20000, 'x'), "Arial"));
  EXPECT_GE(pages(), 2);
}

TEST_F(QtPrinterTest, EveryStepFailsWhenThePrinterCannotBeOpened) {
  QtPrinter printer(QString::fromStdString((dossier_ / "absent" / "sortie.pdf").string()));
  EXPECT_EQ(printer.printEmptyLine(), 482);
  EXPECT_EQ(printer.setFontName("Arial"), 482);
  EXPECT_EQ(printer.printText(kRecap), 482);
  EXPECT_EQ(printer.endDocument(), 482);
}

TEST_F(QtPrinterTest, PrintsAgainAfterADocumentEndedAndTakesAnyFontName) {
  QtPrinter printer(file());
  EXPECT_TRUE(printAll(printer, manyLines(300), "Arial"));
  EXPECT_TRUE(printAll(printer, kRecap, "Police qui n'existe pas"));
  EXPECT_EQ(pages(), 1);
}

}  // namespace
}  // namespace sylvenor
