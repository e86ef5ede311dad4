#pragma once

#include <QString>
#include <memory>

#include "platform/Printer.h"

namespace sylvenor {

// Qt's printing: the system's default printer, or a PDF file (for checking what would print).
class QtPrinter : public Printer {
 public:
  QtPrinter();
  explicit QtPrinter(const QString& pdfFile);
  ~QtPrinter() override;

  int printEmptyLine() override;
  int setFontName(const std::string& family) override;
  int printText(const std::string& utf8) override;
  int newPage() override;
  int printImage(const QImage& image) override;
  int endDocument() override;

 private:
  struct Document;
  std::unique_ptr<Document> document_;
};

}  // namespace sylvenor
