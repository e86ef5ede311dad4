#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>

#include "DrawingCatalog.h"
#include "HelpFileParser.h"
#include "HelpPictureComposer.h"
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
    EXPECT_TRUE(QRect(QPoint(1, 1), size - QSize(2, 2)).contains(area)) << name << " is cut off: " << area.x() << "," << area.y() << " " << area.width() << "x" << area.height();
    EXPECT_TRUE(area.width() >= size.width() * 6 / 10 || area.height() >= size.height() * 6 / 10)
        << name << " is too small";
  }
}

TEST(HelpPictures, EveryButtonHasItsDrawingAndAllItsText) {
  if (!Typeface::isInstalled()) GTEST_SKIP() << "DejaVu Sans is not installed";
  QFile file(QStringLiteral(SYLVENOR_SAMPLE_SOURCE) + "/aide.txt");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  for (const HelpEntry& entry : HelpFileParser::parse(QString::fromUtf8(file.readAll()))) {
    EXPECT_TRUE(HelpPictureComposer::hasDrawing(entry)) << entry.fileName().toStdString();
    EXPECT_TRUE(HelpPictureComposer::compose(entry).complete) << entry.fileName().toStdString();
  }
}

}  // namespace
}  // namespace sylvenor::draw
