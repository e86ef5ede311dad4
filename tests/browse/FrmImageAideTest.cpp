#include "browse/FrmImageAide.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <optional>
#include <tuple>

#include "support/WindowTest.h"

namespace sylvenor {
namespace {

class FrmImageAideTest : public test::WindowTest {
 protected:
  // A JPEG picture of that size, as the help pictures and enlarged photographs are.
  std::filesystem::path picture(const std::string& name, int width, int height) {
    const auto file = dossier_ / name;
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

  // The caption, then the picture at that size, then the whole button, each centred in a
  // window that is centred on the screen.
  void expectLaidOutFor(const QSize& shown) {
    EXPECT_EQ(img()->size(), shown);
    for (const QWidget* part : QList<QWidget*>{label1(), img(), command1()}) {
      SCOPED_TRACE(part->objectName().toStdString());
      EXPECT_TRUE(part->isVisible());
      EXPECT_TRUE(viewer_.rect().contains(part->geometry()));
      EXPECT_NEAR(part->geometry().center().x(), viewer_.rect().center().x(), 1);
    }
    EXPECT_LT(label1()->geometry().bottom(), img()->y());
    EXPECT_GT(command1()->y(), img()->geometry().bottom());
    EXPECT_LE((viewer_.frameGeometry().center() - available().center()).manhattanLength(), 2);
  }

  static constexpr int kStillOpen = 7;
  FrmImageAide viewer_;
};

TEST_F(FrmImageAideTest, FitsItselfToEachPictureAnewAndCentresOnTheScreen) {
  const auto damaged = dossier_ / "abime.jpg";
  test::TempDir::writeFile(damaged, "pas une image");
  const QSize absente = FrmImageAide::kImageAbsente;
  // A file that cannot be read leaves an empty area; the narrow picture comes last, as the
  // button, not the picture, sets its width.
  const std::tuple<std::filesystem::path, QSize, QSize> cases[] = {
      {picture("1frm2.jpg", 300, 200), {300, 200}, {300, 200}},
      {picture("2frm3.jpg", 420, 90), {420, 90}, {420, 90}},
      {dossier_ / "data" / "99grand.jpg", absente, {0, 0}},
      {picture("3frm2b.jpg", 250, 310), {250, 310}, {250, 310}},
      {damaged, absente, {0, 0}},
      {dossier_.path(), absente, {0, 0}},
      {picture("etroite.jpg", 20, 300), {20, 300}, {20, 300}}};
  std::optional<QSize> bord;
  for (const auto& [file, area, pixmap] : cases) {
    viewer_.chargerImage(file);
    showModal([&] {
      SCOPED_TRACE(file);
      expectLaidOutFor(area);
      EXPECT_EQ(img()->pixmap().size(), pixmap);
      const QSize autour = viewer_.size() - img()->size();
      if (!bord) bord = autour;
      EXPECT_EQ(autour.height(), bord->height());
      if (area.width() > command1()->width()) {
        EXPECT_EQ(autour.width(), bord->width());
      }
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
    const QSize shown = img()->pixmap().size();
    EXPECT_LT(shown.width(), width);
    EXPECT_NEAR(double(shown.width()) / shown.height(), double(width) / height, 0.01);
    // One side uses all the room it has.
    const QSize frame = viewer_.frameGeometry().size();
    EXPECT_TRUE(frame.width() >= screen.width() - 1 || frame.height() >= screen.height() - 1);
    expectLaidOutFor(shown);
  });
}

TEST_F(FrmImageAideTest, OnlyTheMagnifierShowsTheSpeciesNameAsTooltipFollowingEachActivation) {
  viewer_.chargerImage(picture("12grand.jpg", 300, 200));
  showModal([&] { EXPECT_TRUE(img()->toolTip().isEmpty()); });
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

TEST_F(FrmImageAideTest, TheButtonEnterAndEscapeCloseTheViewer) {
  viewer_.chargerImage(picture("1frm2.jpg", 300, 200));
  EXPECT_EQ(showModal([&] { click(viewer_, "Command1"); }), QDialog::Accepted);
  const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Return, QDialog::Accepted},
                                          {Qt::Key_Enter, QDialog::Accepted},
                                          {Qt::Key_Escape, QDialog::Rejected}};
  for (const auto& [key, result] : keys) {
    EXPECT_EQ(showModal([&] {
                EXPECT_EQ(QApplication::focusWidget(), command1());
                QTest::keyClick(QApplication::focusWidget(), key);
              }),
              result)
        << key;
  }
}

}  // namespace
}  // namespace sylvenor
