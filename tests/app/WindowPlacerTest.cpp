#include "app/WindowPlacer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTest>

namespace sylvenor {
namespace {

class WindowPlacerTest : public ::testing::Test {
 protected:
  WindowPlacerTest() {
    accueil_.resize(200, 100);
    accueil_.show();
    QApplication::instance()->installEventFilter(&placer_);
  }

  QRect ecran() const { return accueil_.screen()->availableGeometry(); }

  QWidget accueil_;
  WindowPlacer placer_{accueil_};
};

TEST_F(WindowPlacerTest, AWindowOpensCentredOnTheStartScreensScreenAndNoLargerThanIt) {
  QWidget petite;
  petite.setFixedSize(300, 200);
  petite.show();
  // Give or take the window's frame.
  EXPECT_LE((petite.geometry().center() - ecran().center()).manhattanLength(), 24);

  QWidget grande;
  grande.resize(ecran().size() + QSize(500, 500));
  grande.show();
  EXPECT_TRUE(ecran().contains(grande.frameGeometry()));

  // Moved by the user afterwards, it stays where it was put when shown again.
  petite.move(ecran().topLeft());
  petite.hide();
  petite.show();
  EXPECT_EQ(petite.pos(), ecran().topLeft());

  // A dialog over a window is left to Qt, which places it over that window.
  QDialog boite(&petite);
  boite.move(7, 9);
  boite.show();
  EXPECT_EQ(boite.pos(), QPoint(7, 9));
}

}  // namespace
}  // namespace sylvenor
