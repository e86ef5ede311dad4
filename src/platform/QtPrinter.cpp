#include "platform/QtPrinter.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QTextLayout>
#include <QtPrintSupport/QPrinter>

namespace sylvenor {
namespace {

// The number Windows programs give a printer error; every step that finds no usable printer
// returns it.
constexpr int kErreurImprimante = 482;

}  // namespace

// One printed document, from its first step to its end. The printer is only looked for at the
// first step: asking the system for it can take a while, and most runs never print.
struct QtPrinter::Document {
  explicit Document(QString pdf) : pdfFile(std::move(pdf)) {}
  ~Document() { abandon(); }

  bool open();
  bool printParagraph(const QString& text);
  bool printPicture(const QImage& image);
  bool makeRoom(qreal height);
  bool end();
  void abandon();

  QString pdfFile;  // empty for the default printer
  std::unique_ptr<QPrinter> printer;
  std::unique_ptr<QPainter> painter;
  QFont font;
  qreal top = 0;  // where the next line goes on the current page
};

bool QtPrinter::Document::open() {
  if (painter) return true;
  auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (pdfFile.isEmpty()) {
    // With no printer installed Qt silently falls back to a PDF file nobody asked for.
    if (device->outputFormat() != QPrinter::NativeFormat) return false;
  } else {
    device->setOutputFormat(QPrinter::PdfFormat);
    device->setOutputFileName(pdfFile);
  }
  if (!device->isValid()) return false;
  auto pen = std::make_unique<QPainter>();
  if (!pen->begin(device.get())) return false;
  printer = std::move(device);
  painter = std::move(pen);
  font = painter->font();
  top = 0;
  return true;
}

// A line that would pass the bottom of the page goes to the top of the next one.
bool QtPrinter::Document::makeRoom(qreal height) {
  const qreal pageHeight = printer->pageLayout().paintRectPixels(printer->resolution()).height();
  if (top == 0 || top + height <= pageHeight) return true;
  top = 0;
  return printer->newPage();
}

// One line of the text, wrapped at the page width so that nothing is cut off.
bool QtPrinter::Document::printParagraph(const QString& text) {
  QTextLayout layout(text, font, printer.get());
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  const qreal width = printer->pageLayout().paintRectPixels(printer->resolution()).width();
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
  }
  layout.endLayout();
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    if (!makeRoom(line.height())) return false;
    line.draw(painter.get(), QPointF(0, top - line.y()));
    top += line.height();
  }
  return true;
}

// The picture keeps its proportions and fills the width of the page, or its height when it is
// the taller one.
bool QtPrinter::Document::printPicture(const QImage& image) {
  if (image.isNull()) return false;
  const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
  const QSize size = image.size().scaled(page.width(), page.height(), Qt::KeepAspectRatio);
  if (!makeRoom(size.height())) return false;
  painter->drawImage(QRect(QPoint(0, static_cast<int>(top)), size), image);
  top += size.height();
  return true;
}

bool QtPrinter::Document::end() {
  const bool sent = painter->end();
  painter.reset();
  printer.reset();
  return sent;
}

// A document left unfinished when the program closes is not sent.
void QtPrinter::Document::abandon() {
  if (!painter) return;
  printer->abort();
  end();
}

QtPrinter::QtPrinter() : document_(std::make_unique<Document>(QString())) {}

QtPrinter::QtPrinter(const QString& pdfFile) : document_(std::make_unique<Document>(pdfFile)) {}

QtPrinter::~QtPrinter() = default;

int QtPrinter::printEmptyLine() {
  if (!document_->open()) return kErreurImprimante;
  return document_->printParagraph(QString()) ? 0 : kErreurImprimante;
}

int QtPrinter::newPage() {
  if (!document_->open()) return kErreurImprimante;
  document_->top = 0;
  return document_->printer->newPage() ? 0 : kErreurImprimante;
}

int QtPrinter::setFontName(const std::string& family) {
  if (!document_->open()) return kErreurImprimante;
  // A family the system lacks is no error: the text keeps the font it had.
  const QString name = QString::fromStdString(family);
  if (QFontDatabase::hasFamily(name)) document_->font.setFamily(name);
  return 0;
}

int QtPrinter::printText(const std::string& utf8) {
  if (!document_->open()) return kErreurImprimante;
  QStringList lines = QString::fromStdString(utf8).split('\n');
  // The last line feed ends the last line; it does not begin another one.
  if (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();
  for (const QString& line : lines) {
    if (!document_->printParagraph(line)) return kErreurImprimante;
  }
  return 0;
}

int QtPrinter::printImage(const QImage& image) {
  if (!document_->open()) return kErreurImprimante;
  return document_->printPicture(image) ? 0 : kErreurImprimante;
}

int QtPrinter::endDocument() {
  if (!document_->open()) return kErreurImprimante;
  return document_->end() ? 0 : kErreurImprimante;
}

}  // namespace sylvenor
