#include "HelpPicturePainter.h"

#include <QPainter>

#include "PathKit.h"
#include "TextFitter.h"
#include "Typeface.h"

namespace sylvenor::draw {

namespace {

const QSize kSize(480, 360);
const QColor kPaper("#fffdf4");
const QColor kFrame("#a9c8e8");
const QColor kTitle("#1f4e79");
const QColor kText("#2b2b2b");
const QColor kLeaf("#6aaa4a");
const QRectF kTitleBox(66, 22, 348, 64);
const QRectF kExplanationBox(34, 104, 412, 228);

}  // namespace

HelpPicturePainter::Picture HelpPicturePainter::paint(const HelpEntry& entry) {
  QImage image(kSize, QImage::Format_RGB32);
  image.fill(kPaper);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  paintFrame(painter);
  paintLeaf(painter);
  painter.setPen(kTitle);
  const bool titleComplete = TextFitter(Typeface::sans(30, QFont::Bold), 30, 15)
                                 .preferOneLine(22)
                                 .draw(painter, kTitleBox, Qt::AlignCenter, entry.title);
  painter.setPen(kText);
  const bool textComplete =
      TextFitter(Typeface::sans(26), 26, 13)
          .draw(painter, kExplanationBox, Qt::AlignHCenter | Qt::AlignVCenter, entry.explanation);
  painter.end();
  return {image, titleComplete && textComplete};
}

void HelpPicturePainter::paintFrame(QPainter& painter) {
  painter.setPen(QPen(kFrame, 4));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(8, 8, kSize.width() - 16, kSize.height() - 16), 18, 18);
  painter.setPen(QPen(kFrame, 2, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(60, 94), QPointF(kSize.width() - 60, 94));
}

void HelpPicturePainter::paintLeaf(QPainter& painter) {
  painter.setPen(Qt::NoPen);
  painter.fillPath(PathKit::leaf({24, 72}, {54, 30}, 0.4), kLeaf);
  painter.fillPath(PathKit::stroke(PathKit::polyline({{24, 72}, {46, 42}}), 1.6),
                   QColor(255, 255, 255, 150));
}

}  // namespace sylvenor::draw
