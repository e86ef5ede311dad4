#include "browse/FrmImageAide.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <tuple>

#include "platform/Twips.h"
#include "support/WindowTest.h"

namespace sylvenor {
namespace {

class FrmImageAideTest : public test::WindowTest {
 protected:
  // A JPEG picture of that size, as the help pictures and enlarged photographs are.
  std::filesystem::path picture(const std::string& name, int width, int height) {
    std::filesystem::create_directories(dossier_ / "aide");
    const auto file = dossier_ / "aide" / name;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(90, 160, 70));
    EXPECT_TRUE(image.save(QString::fromStdString(file.string()), "JPG"));
    return file;
  }

  // Shows the viewer modal as the callers do and runs `whileOpen` once it is on screen; a
  // viewer still open afterwards is closed so that a failing test never hangs.
  int showModal(const std::function<void()>& whileOpen) {
    QTimer::singleShot(0, [&] {
      EXPECT_TRUE(QTest::qWaitForWindowActive(&viewer_));
      whileOpen();
      if (viewer_.isVisible()) viewer_.done(kStillOpen);
    });
    return viewer_.exec();
  }

  QLabel* img() { return child<QLabel>(viewer_, "ImgAide"); }
  QLabel* label1() { return child<QLabel>(viewer_, "Label1"); }
  QPushButton* command1() { return child<QPushButton>(viewer_, "Command1"); }
  static QRect available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

  // The layout rules for a picture of that size in pixels, compared in pixels.
  void expectLaidOutFor(int width, int height) {
    const int largeur = width * 15 + 480;
    EXPECT_EQ(img()->size(), QSize(width, height));
    EXPECT_EQ(viewer_.width(), twips(largeur));
    EXPECT_EQ(viewer_.height(), twips(480 + height * 15 + 495 + 250));
    EXPECT_EQ(command1()->y(), twips(480 + height * 15 + 120));
    EXPECT_EQ(command1()->x(), twips((largeur - command1()->width() * 15) / 2));
    EXPECT_EQ(label1()->x(), twips((largeur - label1()->width() * 15) / 2));
    EXPECT_EQ(img()->x(), twips(240));
    const QRect frame = viewer_.frameGeometry();
    EXPECT_EQ(frame.left(), available().left() + (available().width() - frame.width()) / 2);
    EXPECT_EQ(frame.top(), available().top() + (available().height() - frame.height()) / 2);
  }
  void expectWholeButtonInside() {
    EXPECT_TRUE(viewer_.rect().contains(command1()->geometry()));
    EXPECT_TRUE(command1()->isVisible());
  }

  static constexpr int kStillOpen = 7;
  FrmImageAide viewer_;
};

TEST_F(FrmImageAideTest, FitsItselfToEachPictureAnewAndCentresOnTheScreen) {
  const std::tuple<const char*, int, int> pictures[] = {
      {"1frm2.jpg", 300, 200}, {"2frm3.jpg", 420, 90}, {"3frm2b.jpg", 250, 310}};
  for (const auto& [name, width, height] : pictures) {
    viewer_.chargerImage(picture(name, width, height));
    showModal([&] {
      expectLaidOutFor(width, height);
      EXPECT_EQ(img()->pixmap().size(), QSize(width, height));
      EXPECT_GT(command1()->y(), img()->geometry().bottom());
      expectWholeButtonInside();
    });
  }
}

TEST_F(FrmImageAideTest, APictureLargerThanTheScreenIsReducedKeepingItsProportions) {
  const QRect screen = available();
  const int width = screen.width() * 3;
  const int height = screen.height() * 2;
  viewer_.chargerImage(picture("12grand.jpg", width, height));
  showModal([&] {
    EXPECT_TRUE(screen.contains(viewer_.frameGeometry()));
    expectWholeButtonInside();
    const QSize shown = img()->pixmap().size();
    EXPECT_EQ(img()->size(), shown);
    EXPECT_LT(shown.width(), width);
    EXPECT_NEAR(double(shown.width()) / shown.height(), double(width) / height, 0.01);
    // One side uses all the room it has, as the layout rules leave it.
    const QSize frame = viewer_.frameGeometry().size();
    EXPECT_TRUE(frame.width() >= screen.width() - 1 || frame.height() >= screen.height() - 1);
    expectLaidOutFor(shown.width(), shown.height());
  });
}

TEST_F(FrmImageAideTest, AMissingOrDamagedPictureLeavesASmallEmptyArea) {
  const auto damaged = dossier_ / "abime.jpg";
  test::TempDir::writeFile(damaged, "pas une image");
  for (const auto& file : {dossier_ / "data" / "99grand.jpg", damaged, dossier_.path()}) {
    viewer_.chargerImage(file);
    showModal([&] {
      EXPECT_TRUE(img()->pixmap().isNull()) << file;
      expectLaidOutFor(FrmImageAide::kImageAbsente.width(), FrmImageAide::kImageAbsente.height());
      expectWholeButtonInside();
    });
  }
}

TEST_F(FrmImageAideTest, ANarrowPictureStillShowsTheWholeButtonAndCaption) {
  viewer_.chargerImage(picture("etroite.jpg", 20, 300));
  showModal([&] {
    expectWholeButtonInside();
    EXPECT_TRUE(viewer_.rect().contains(label1()->geometry()));
    EXPECT_EQ(img()->x(), (viewer_.width() - img()->width()) / 2);
  });
}

TEST_F(FrmImageAideTest, HelpPicturesKeepTheirCaptionAndHaveNoTooltip) {
  viewer_.chargerImage(picture("1frm2.jpg", 300, 200));
  showModal([&] {
    EXPECT_EQ(viewer_.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(label1()->text(), "Aide");
    EXPECT_TRUE(img()->toolTip().isEmpty());
    EXPECT_EQ(command1()->text(), "F E R M E R");
  });
}

TEST_F(FrmImageAideTest, TheMagnifierEmptiesTheCaptionAndTheNameBecomesTheTooltip) {
  viewer_.chargerImage(picture("12grand.jpg", 300, 200));
  viewer_.setLegende("");
  viewer_.setTag("Renard roux");
  showModal([&] {
    EXPECT_TRUE(label1()->text().isEmpty());
    EXPECT_EQ(img()->toolTip(), "Renard roux");
    viewer_.setTag("Hérisson");
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&viewer_, &activate);
    EXPECT_EQ(img()->toolTip(), "Hérisson");
  });
}

TEST_F(FrmImageAideTest, TheButtonEscapeAndEnterCloseTheViewer) {
  viewer_.chargerImage(picture("1frm2.jpg", 300, 200));
  EXPECT_EQ(showModal([&] { click(viewer_, "Command1"); }), QDialog::Accepted);
  EXPECT_EQ(showModal([&] {
              EXPECT_EQ(QApplication::focusWidget(), command1());
              QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }),
            QDialog::Accepted);
  EXPECT_EQ(showModal([&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter); }),
            QDialog::Accepted);
  EXPECT_EQ(showModal([&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }),
            QDialog::Rejected);
}

}  // namespace
}  // namespace sylvenor
