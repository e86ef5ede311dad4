#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>

#include <cmath>

#include "DrawingCatalog.h"
#include "HelpFileParser.h"
#include "HelpPictureComposer.h"
#include "SpeciesPictureRenderer.h"
#include "Typeface.h"

namespace sylvenor::draw {
namespace {

// Where the drawing left paint on a transparent canvas of `size`.
QRect paintedArea(const DrawingCatalog::Drawing& drawing, QSize size) {
  QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  QPainter painter(&canvas);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(qreal(size.width()) / DrawingCatalog::kCanvasWidth,
                qreal(size.height()) / DrawingCatalog::kCanvasHeight);
  drawing.paint(painter);
  painter.end();
  QRect area;
  for (int y = 0; y < size.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      if (qAlpha(line[x]) > 24) area |= QRect(x, y, 1, 1);
    }
  }
  return area;
}

TEST(SpeciesDrawings, EachShowsAWholeOrganismThatFillsMostOfItsPicture) {
  const QSize size(200, 150);
  const DrawingCatalog catalog = DrawingCatalog::all();
  for (const DrawingCatalog::Drawing& drawing : catalog.drawings()) {
    // The placeholder is a frame around the whole picture.
    if (!drawing.enlarged) continue;
    const QRect area = paintedArea(drawing, size);
    const std::string name = drawing.slug.toStdString();
    EXPECT_TRUE(QRect(QPoint(1, 1), size - QSize(2, 2)).contains(area))
        << name << " is cut off: " << area.x() << "," << area.y() << " " << area.width() << "x"
        << area.height();
    EXPECT_TRUE(area.width() >= size.width() * 6 / 10 || area.height() >= size.height() * 6 / 10)
        << name << " is too small";
  }
}

// How far two pictures of one size are apart, on average, in levels of 255 per channel: the
// JPEG grain of a fine texture is about 3, a drawing moved by a few percent 10 or more.
double meanDifference(const QImage& a, const QImage& b) {
  const QImage left = a.convertToFormat(QImage::Format_RGB32);
  const QImage right = b.convertToFormat(QImage::Format_RGB32);
  double total = 0;
  for (int y = 0; y < left.height(); ++y) {
    for (int x = 0; x < left.width(); ++x) {
      const QRgb p = left.pixel(x, y);
      const QRgb q = right.pixel(x, y);
      total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
  }
  return total / (3.0 * left.width() * left.height());
}

// A drawing changed without its picture drawn again would ship a picture nobody looked at.
TEST(SpeciesDrawings, ThePicturesKeptInTheSampleAreWhatTheyDrawNow) {
  const DrawingCatalog catalog = DrawingCatalog::all();
  for (const DrawingCatalog::Drawing& drawing : catalog.drawings()) {
    const QString file =
        QStringLiteral(SYLVENOR_SAMPLE_SOURCE) + "/photos/" + drawing.slug + ".jpg";
    const QImage kept(file);
    ASSERT_EQ(kept.size(), SpeciesPictureRenderer::kPhoto) << file.toStdString();
    const QImage drawn = SpeciesPictureRenderer::render(drawing.paint, kept.size());
    EXPECT_LT(meanDifference(kept, drawn), 5.0) << file.toStdString();
  }
}

TEST(HelpPictures, EveryButtonHasItsDrawingAllItsTextAndThePictureKept) {
  if (!Typeface::isInstalled()) GTEST_SKIP() << "DejaVu Sans is not installed";
  QFile file(QStringLiteral(SYLVENOR_SAMPLE_SOURCE) + "/aide.txt");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  for (const HelpEntry& entry : HelpFileParser::parse(QString::fromUtf8(file.readAll()))) {
    const std::string name = entry.fileName().toStdString();
    EXPECT_TRUE(HelpPictureComposer::hasDrawing(entry)) << name;
    const HelpPictureComposer::Picture picture = HelpPictureComposer::compose(entry);
    EXPECT_TRUE(picture.complete) << name;
    const QImage kept(QStringLiteral(SYLVENOR_SAMPLE_SOURCE) + "/aide/" + entry.fileName());
    ASSERT_EQ(kept.size(), picture.image.size()) << name;
    EXPECT_LT(meanDifference(kept, picture.image), 5.0) << name;
  }
}

}  // namespace
}  // namespace sylvenor::draw
