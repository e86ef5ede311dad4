#pragma once

#include <string>

class QImage;

namespace sylvenor {

// The system's default printer, one step at a time. Each step returns 0, or the platform's
// error number when it failed; a failed step does not stop the next ones. Tests replace it.
class Printer {
 public:
  virtual ~Printer() = default;
  virtual int printEmptyLine() = 0;
  virtual int setFontName(const std::string& family) = 0;
  // The whole text, in as many lines and pages as it needs.
  virtual int printText(const std::string& utf8) = 0;
  // Goes on at the top of a new page.
  virtual int newPage() = 0;
  // A window as the screen shows it, as large as the page allows.
  virtual int printImage(const QImage& image) = 0;
  // Sends the document to the printer.
  virtual int endDocument() = 0;
};

}  // namespace sylvenor
