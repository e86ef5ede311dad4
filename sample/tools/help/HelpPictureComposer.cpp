#include "HelpPictureComposer.h"

#include <QPainter>
#include <QRegularExpression>

#include "DiagramKit.h"
#include "HelpDrawingCatalog.h"
#include "HelpPalette.h"
#include "PathKit.h"
#include "TextFitter.h"
#include "Typeface.h"

namespace sylvenor::draw {

namespace {

const QRectF kFrameBox(8, 8, 784, 584);
const QPointF kQuestionCentre(52, 46);
const QRectF kTitleBox(88, 16, 624, 60);
const QRectF kPanel(QPointF(28, 84), HelpDrawingCatalog::kCanvas);
const QRectF kExplanationBox(40, 422, 720, 162);
const QRectF kExplanationAloneBox(40, 96, 720, 488);

}  // namespace

HelpPictureComposer::Picture HelpPictureComposer::compose(const HelpEntry& entry) {
  Picture picture{QImage(kSize, QImage::Format_RGB32)};
  picture.image.fill(HelpPalette::kPaper);
  QPainter painter(&picture.image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  paintFrame(painter, accent(entry.key));
  picture.complete = paintTitle(painter, entry.title);
  const bool drawn = hasDrawing(entry);
  if (drawn) {
    paintDrawing(painter, entry);
  }
  picture.complete = paintExplanation(painter, entry.explanation, drawn) && picture.complete;
  return picture;
}

bool HelpPictureComposer::hasDrawing(const HelpEntry& entry) {
  return HelpDrawingCatalog::find(entry.key, entry.index) != nullptr;
}

void HelpPictureComposer::paintFrame(QPainter& painter, const QColor& accent) {
  painter.save();
  painter.setPen(QPen(HelpPalette::kFrame, 2.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(kFrameBox, 18, 18);
  painter.restore();
  paintQuestionMark(painter, accent);
}

// The same "?" as the button the pupil pressed, so the picture is recognised as its answer.
void HelpPictureComposer::paintQuestionMark(QPainter& painter, const QColor& accent) {
  constexpr qreal kRadius = 22;
  painter.save();
  painter.setPen(QPen(Qt::white, 3));
  painter.setBrush(
      DiagramKit::rounded(kQuestionCentre, kRadius, accent.lighter(125), accent.darker(110)));
  painter.drawEllipse(kQuestionCentre, kRadius, kRadius);
  painter.setPen(Qt::white);
  painter.setFont(Typeface::sans(30, QFont::Bold));
  painter.drawText(QRectF(kQuestionCentre - QPointF(kRadius, kRadius), QSizeF(2, 2) * kRadius),
                   Qt::AlignCenter, QStringLiteral("?"));
  painter.restore();
}

bool HelpPictureComposer::paintTitle(QPainter& painter, const QString& title) {
  painter.save();
  painter.setPen(HelpPalette::kTitle);
  const bool fits = TextFitter(Typeface::sans(36, QFont::Bold), 36, 20)
                        .preferOneLine(26)
                        .draw(painter, kTitleBox, Qt::AlignCenter, title);
  painter.restore();
  return fits;
}

void HelpPictureComposer::paintDrawing(QPainter& painter, const HelpEntry& entry) {
  const QPainterPath panel = PathKit::roundedRect(kPanel, 16);
  painter.save();
  painter.fillPath(panel, DiagramKit::linear(kPanel.topLeft(), kPanel.bottomLeft(),
                                             HelpPalette::kPanelTop, HelpPalette::kPanelBottom));
  painter.setClipPath(panel);
  painter.translate(kPanel.topLeft());
  HelpDrawingCatalog::find(entry.key, entry.index)(painter);
  painter.restore();
  painter.save();
  painter.setPen(QPen(HelpPalette::kFrame, 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(panel);
  painter.restore();
}

bool HelpPictureComposer::paintExplanation(QPainter& painter, const QString& text,
                                           bool besideDrawing) {
  painter.save();
  painter.setPen(HelpPalette::kText);
  const bool fits = TextFitter(Typeface::sans(28), besideDrawing ? 28 : 40, 22)
                        .draw(painter, besideDrawing ? kExplanationBox : kExplanationAloneBox,
                              Qt::AlignCenter, withFrenchSpacing(text));
  painter.restore();
  return fits;
}

// French puts a space before : ; ! ? and keeps it with its word: a line must never start with
// the punctuation mark alone.
QString HelpPictureComposer::withFrenchSpacing(QString text) {
  static const QRegularExpression kSpaceBeforeMark(QStringLiteral(" ([:;!?»])"));
  static const QRegularExpression kSpaceAfterQuote(QStringLiteral("« "));
  text.replace(kSpaceBeforeMark, QStringLiteral("\u00A0\\1"));
  text.replace(kSpaceAfterQuote, QStringLiteral("«\u00A0"));
  return text;
}

QColor HelpPictureComposer::accent(const QString& key) {
  if (key == QLatin1String("frm2")) {
    return HelpPalette::kAnimals;
  }
  return key == QLatin1String("frm2b") ? HelpPalette::kInvertebrates : HelpPalette::kPlants;
}

}  // namespace sylvenor::draw
