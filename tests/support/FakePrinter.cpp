#include "support/FakePrinter.h"

#include <QImage>
#include <algorithm>

namespace sylvenor::test {

int FakePrinter::step(const std::string& name) {
  steps.push_back(name);
  return std::find(failing.begin(), failing.end(), name) == failing.end() ? 0 : kErreur;
}

int FakePrinter::printEmptyLine() { return step("ligne"); }

int FakePrinter::setFontName(const std::string& family) {
  police = family;
  return step("police");
}

int FakePrinter::printText(const std::string& utf8) {
  texte = utf8;
  textes.push_back(utf8);
  return step("texte");
}

int FakePrinter::newPage() { return step("page"); }

int FakePrinter::printImage(const QImage& image) {
  largeurImage = image.width();
  hauteurImage = image.height();
  return step("image");
}

int FakePrinter::endDocument() { return step("fin"); }

}  // namespace sylvenor::test
