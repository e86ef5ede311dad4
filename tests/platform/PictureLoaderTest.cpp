#include "platform/PictureLoader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include "support/TempDir.h"

namespace sylvenor {
namespace {

using test::TempDir;

// Taken upright by a phone whose sensor lies on its side: stored 64 x 32, red on the left,
// with EXIF orientation 6 ("turn 90 degrees clockwise to show").
const std::filesystem::path kPhotoTelephone =
    std::filesystem::path(SYLVENOR_TEST_DATA) / "photo-telephone-orientation6.jpg";

std::string encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes.toStdString();
}

QImage filled(QSize size, QColor colour, QImage::Format format = QImage::Format_RGB32) {
  QImage image(size, format);
  image.fill(colour);
  return image;
}

std::uint32_t crc32(std::string_view bytes) {
  std::uint32_t crc = 0xffffffffu;
  for (const char byte : bytes) {
    crc ^= static_cast<unsigned char>(byte);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

// A PNG that announces `side` by `side` pixels, with a valid header and no pixel data.
std::string announcedPng(std::uint32_t side) {
  std::string png = encoded(filled({1, 1}, Qt::red), "PNG").substr(0, 33);
  for (int k = 0; k < 8; ++k) png[16 + k] = static_cast<char>((side >> (24 - 8 * (k % 4))) & 0xff);
  const std::uint32_t crc = crc32(std::string_view(png).substr(12, 17));
  for (int k = 0; k < 4; ++k) png[29 + k] = static_cast<char>((crc >> (24 - 8 * k)) & 0xff);
  return png;
}

bool reddish(QColor colour) { return colour.red() > 200 && colour.blue() < 60; }

class PictureLoaderTest : public ::testing::Test {
 protected:
  TempDir dir_;
  const std::filesystem::path placeholder_ = dir_ / "0.jpg";
  void SetUp() override {
    TempDir::writeFile(placeholder_, encoded(filled({30, 20}, Qt::gray), "JPG"));
  }
};

TEST_F(PictureLoaderTest, APhonePhotoIsTurnedUprightWhateverTheSizeAsked) {
  const QImage whole = PictureLoader::lire(kPhotoTelephone);
  ASSERT_EQ(whole.size(), QSize(32, 64));
  EXPECT_TRUE(reddish(whole.pixelColor(16, 4)));
  EXPECT_FALSE(reddish(whole.pixelColor(16, 60)));

  const QImage reduced = PictureLoader::lire(kPhotoTelephone, {16, 16});
  ASSERT_EQ(reduced.size(), QSize(8, 16));
  EXPECT_TRUE(reddish(reduced.pixelColor(4, 1)));
}

TEST_F(PictureLoaderTest, WhatIsNoPictureShowsThePlaceholderOrAnEmptyFrame) {
  TempDir::writeFile(dir_ / "vide.jpg", "");
  TempDir::writeFile(dir_ / "texte.jpg", "Ceci n'est pas une image.\n");
  TempDir::writeFile(dir_ / "tronque.png", encoded(filled({40, 40}, Qt::red), "PNG").substr(0, 40));
  ASSERT_EQ(::mkfifo((dir_ / "tube.jpg").c_str(), 0600), 0);
  std::filesystem::create_directory(dir_ / "dossier.jpg");
  std::filesystem::create_symlink(dir_ / "tube.jpg", dir_ / "lien.jpg");
  for (const char* name : {"absent.jpg", "vide.jpg", "texte.jpg", "tronque.png", "tube.jpg",
                           "dossier.jpg", "lien.jpg"}) {
    EXPECT_TRUE(PictureLoader::lire(dir_ / name).isNull()) << name;
    const QPixmap shown = PictureLoader::pourAffichage(dir_ / name, {320, 240}, 1, placeholder_);
    EXPECT_EQ(shown.size(), QSize(30, 20)) << name;
    EXPECT_TRUE(PictureLoader::pourAffichage(dir_ / name, {320, 240}, 1).isNull()) << name;
    EXPECT_TRUE(
        PictureLoader::pourAffichage(dir_ / name, {320, 240}, 1, dir_ / "texte.jpg").isNull())
        << name;
  }
}

TEST_F(PictureLoaderTest, AHugePictureIsDecodedAtTheSizeShownOrNotAtAll) {
  TempDir::writeFile(
      dir_ / "grande.jpg",
      encoded(filled({5000, 4000}, Qt::darkGreen, QImage::Format_Grayscale8), "JPG"));
  const QImage reduced = PictureLoader::lire(dir_ / "grande.jpg", {640, 480});
  EXPECT_EQ(reduced.size(), QSize(600, 480));
  EXPECT_LE(PictureLoader::lire(dir_ / "grande.jpg").width(), PictureLoader::kCoteMaximal);

  // Refused before any memory is taken: 60000 x 60000 pixels would need 14 GB.
  TempDir::writeFile(dir_ / "annonce.png", announcedPng(60000));
  EXPECT_TRUE(PictureLoader::lire(dir_ / "annonce.png").isNull());
  EXPECT_TRUE(PictureLoader::lire(dir_ / "annonce.png", {640, 480}).isNull());
}

TEST_F(PictureLoaderTest, APictureTakesTheSameRoomAtEveryScreenRatioAndIsNeverBlownUp) {
  TempDir::writeFile(dir_ / "photo.jpg", encoded(filled({640, 480}, Qt::blue), "JPG"));
  for (const qreal ratio : {1.0, 1.5, 2.0}) {
    const QPixmap photo = PictureLoader::pourAffichage(dir_ / "photo.jpg", {320, 240}, ratio);
    EXPECT_EQ(photo.deviceIndependentSize().toSize(), QSize(320, 240)) << ratio;
    EXPECT_EQ(photo.size(), (QSizeF(320, 240) * ratio).toSize()) << ratio;
    const QPixmap small = PictureLoader::pourAffichage(placeholder_, {320, 240}, ratio);
    EXPECT_EQ(small.deviceIndependentSize().toSize(), QSize(30, 20)) << ratio;
  }
}

TEST_F(PictureLoaderTest, JpegBytesReadBackWithTransparencyTurnedWhite) {
  const std::string bytes =
      PictureLoader::jpeg(filled({20, 10}, Qt::transparent, QImage::Format_ARGB32_Premultiplied));
  TempDir::writeFile(dir_ / "blanc.jpg", bytes);
  const QImage back = PictureLoader::lire(dir_ / "blanc.jpg");
  ASSERT_EQ(back.size(), QSize(20, 10));
  EXPECT_GT(back.pixelColor(10, 5).lightness(), 240);
  EXPECT_TRUE(PictureLoader::jpeg(QImage()).empty());
}

}  // namespace
}  // namespace sylvenor
