#pragma once

#include <string>
#include <vector>

#include "platform/Printer.h"

namespace sylvenor::test {

// Records the printing steps; the steps named in `failing` fail with error 482.
class FakePrinter : public Printer {
 public:
  int printEmptyLine() override;
  int setFontName(const std::string& family) override;
  int printText(const std::string& utf8) override;
  int newPage() override;
  int printImage(const QImage& image) override;
  int endDocument() override;

  static constexpr int kErreur = 482;
  std::vector<std::string> failing;  // "ligne", "police", "texte", "page", "image", "fin"
  std::vector<std::string> steps;
  std::string texte;
  std::vector<std::string> textes;  // every text printed, in order
  std::string police;
  int largeurImage = 0;  // of the last picture printed
  int hauteurImage = 0;

 private:
  int step(const std::string& name);
};

}  // namespace sylvenor::test
