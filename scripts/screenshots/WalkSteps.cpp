#include "WalkSteps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <iostream>

#include "app/Programme.h"

namespace walk {
namespace {

bool written(bool saved, const QString& file) {
  if (!saved) std::cerr << "impossible d'écrire " << file.toStdString() << '\n';
  return saved;
}

}  // namespace

bool save(QWidget& window, const QString& file) {
  QTest::qWait(200);
  return written(window.grab().save(file), file);
}

bool saveScreen(const QString& file) {
  QTest::qWait(300);
  return written(QGuiApplication::primaryScreen()->grabWindow(0).save(file), file);
}

void clickButton(QWidget& window, const char* name) {
  QTest::mouseClick(window.findChild<QToolButton*>(name), Qt::LeftButton);
}

void clickIn(QWidget& window, const char* name) {
  QTest::mouseClick(window.findChild<QAbstractButton*>(name), Qt::LeftButton);
}

QWidget* window(const char* name) {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == name && top->isVisible()) return top;
  }
  return nullptr;
}

int numero(sylvenor::Programme& programme, const std::string& nom) {
  const sylvenor::BaseEspeces& base = programme.base();
  for (std::int16_t n = 1; n <= base.NbFiches(); ++n) {
    const std::string& stored = base.fiche(n).Nom;
    if (stored.substr(0, stored.find_last_not_of(' ') + 1) == nom) return n;
  }
  return 1;
}

}  // namespace walk
