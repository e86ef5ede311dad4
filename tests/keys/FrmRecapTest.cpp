#include "keys/FrmRecap.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "platform/QtPrinter.h"
#include "support/ModalDriver.h"
#include "support/WindowTest.h"

namespace sylvenor {
namespace {

std::string manyLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "Ligne " + std::to_string(i) + " du récapitulatif\n";
  return text;
}

// A pupil's name that looks like markup, and enough lines to scroll.
const std::string kRecap =
    "Récapitulatif pour <b>Léo</b>\n\nAide utilisée 1 fois\n" + manyLines(300);
const std::vector<std::string> kEtapes = {"ligne", "police", "texte", "fin"};

class FrmRecapTest : public test::WindowTest {
 protected:
  FrmRecapTest() {
    // The recap stays for the test to drive; only the messages are answered.
    modals_.avant = [](QWidget& window) { return qobject_cast<QMessageBox*>(&window) == nullptr; };
    recap_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&recap_));
  }
  // Prints once, with these steps failing, and returns the messages it showed.
  QStringList print(const std::vector<std::string>& failing = {}) {
    imprimante_.failing = failing;
    imprimante_.steps.clear();
    modals_.vus.clear();
    click(recap_, "CmdImprim");
    return modals_.vus;
  }

  test::ModalDriver modals_;
  FrmRecap recap_{kRecap, imprimante_};
};

TEST_F(FrmRecapTest, ShowsAndPrintsTheRecapAsPlainTextInFixedWidthScrollingWhenLong) {
  auto* label = child<QLabel>(recap_, "LblRecap");
  EXPECT_EQ(label->text(), QString::fromStdString(kRecap));
  EXPECT_EQ(label->textFormat(), Qt::PlainText);
  // One advance for every character, as the columns need: Qt does not call every monospaced
  // family "fixed pitch" (Noto Sans Mono), so the widths themselves are compared.
  const QFontMetricsF metrics(label->font());
  for (const QChar c : QString("W.é >°"))
    EXPECT_EQ(metrics.horizontalAdvance(c), metrics.horizontalAdvance('i'))
        << QString(c).toStdString();
  auto* area = qobject_cast<QScrollArea*>(label->parentWidget()->parentWidget());
  ASSERT_NE(area, nullptr);
  EXPECT_GT(area->verticalScrollBar()->maximum(), 0);

  EXPECT_TRUE(print().isEmpty());
  EXPECT_EQ(imprimante_.steps, kEtapes);
  EXPECT_EQ(imprimante_.police, "Arial");
  EXPECT_EQ(imprimante_.texte, kRecap);
}

TEST_F(FrmRecapTest, EachFailingStepShowsOneMessageAndTheNextStepsStillRun) {
  const QString message =
      "message: Imprimer: Impression impossible\r Erreur n°  482\r\r"
      "Vérifier la mise sous tension, les cables, les drivers,...";
  std::vector<std::vector<std::string>> cases = {kEtapes};  // no printer at all
  for (const std::string& step : kEtapes) cases.push_back({step});
  for (const auto& failing : cases) {
    EXPECT_EQ(print(failing), QStringList(failing.size(), message)) << failing.front();
    EXPECT_EQ(imprimante_.steps, kEtapes);
    EXPECT_TRUE(recap_.isVisible());
  }
  EXPECT_TRUE(print().isEmpty());
}

// Without a printer the same print goes to a PDF file where the pupil chooses.
TEST_F(FrmRecapTest, ThePrintCanBeSavedAsAPdfFile) {
  answerNextFileDialog(dossier_ / "mon récapitulatif");
  click(recap_, "CmdPdf");
  EXPECT_EQ(test::TempDir::readFile(dossier_ / "mon récapitulatif.pdf").substr(0, 5), "%PDF-");
  EXPECT_TRUE(modals_.vus.isEmpty());
  EXPECT_TRUE(imprimante_.steps.empty());
}

TEST_F(FrmRecapTest, QuitterEndsTheModalRecap) {
  QTimer::singleShot(0, [this] { click(recap_, "BtnQuitter"); });
  // Should the button not close it, the test fails instead of waiting for ever.
  QTimer::singleShot(5000, &recap_, &QDialog::reject);
  EXPECT_EQ(recap_.exec(), QDialog::Accepted);
  EXPECT_TRUE(imprimante_.steps.empty());
}

class QtPrinterTest : public ::testing::Test {
 protected:
  QString file(const char* folder = "") const {
    return QString::fromStdString((dossier_ / folder / "sortie.pdf").string());
  }
  // Prints the four steps as the recap does; the errors of the steps that failed.
  static std::vector<int> printAll(Printer& printer, const std::string& text,
                                   const std::string& font = "Arial") {
    std::vector<int> errors = {printer.printEmptyLine(), printer.setFontName(font),
                               printer.printText(text), printer.endDocument()};
    std::erase(errors, 0);
    return errors;
  }
  int pages() const {
    const QString pdf = QString::fromStdString(test::TempDir::readFile(dossier_ / "sortie.pdf"));
    return static_cast<int>(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")));
  }

  test::TempDir dossier_;
};

TEST_F(QtPrinterTest, LongTextsFollowOnPagesWideLinesWrapAndEachDocumentStartsAfresh) {
  QtPrinter printer(file());
  EXPECT_TRUE(printAll(printer, manyLines(300)).empty());
  EXPECT_GE(pages(), 3);
  EXPECT_TRUE(printAll(printer, std::string(20000, 'x')).empty());
  EXPECT_GE(pages(), 2);
  EXPECT_TRUE(printAll(printer, "Récapitulatif", "Police qui n'existe pas").empty());
  EXPECT_EQ(pages(), 1);
  EXPECT_EQ(printer.printText("Léa"), 0);
  EXPECT_EQ(printer.newPage(), 0);
  EXPECT_EQ(printer.printText("Tom"), 0);
  EXPECT_EQ(printer.endDocument(), 0);
  EXPECT_EQ(pages(), 2);
}

TEST_F(QtPrinterTest, EveryStepFailsWhenThePrinterCannotBeOpened) {
  QtPrinter printer(file("absent"));
  EXPECT_EQ(printAll(printer, kRecap), std::vector<int>(4, 482));
  EXPECT_EQ(printer.printImage(QImage(20, 20, QImage::Format_RGB32)), 482);
}

TEST_F(QtPrinterTest, AWindowPictureFillsOnePageAndAnEmptyOneIsAnError) {
  QtPrinter printer(file());
  QImage large(803, 585, QImage::Format_RGB32);
  large.fill(Qt::white);
  EXPECT_EQ(printer.printImage(large), 0);
  EXPECT_EQ(printer.endDocument(), 0);
  EXPECT_EQ(pages(), 1);
  EXPECT_EQ(printer.printImage(QImage()), 482);
}

}  // namespace
}  // namespace sylvenor
