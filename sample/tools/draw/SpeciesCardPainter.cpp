#include "SpeciesCardPainter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "EmblemPainter.h"
#include "HabitatPainter.h"
#include "InformationPanelPainter.h"
#include "PathKit.h"
#include "TextFitter.h"
#include "Typeface.h"
#include "species/SpeciesCodes.h"

namespace sylvenor::draw {

namespace {

const QSize kCardSize(320, 240);
const QSize kLargeCardSize(800, 600);
const QColor kMedallion(255, 255, 255, 150);

QString readable(const std::string& text) { return QString::fromStdString(text).simplified(); }

QString captionOf(const FicheEspece& fiche) {
  const auto group = nomGroupe(fiche.Vegetal, fiche.Groupe);
  if (!group) {
    return QStringLiteral("Groupe inconnu");
  }
  QString caption = QString::fromUtf8(group->data(), static_cast<qsizetype>(group->size()));
  caption = caption.trimmed();
  if (!caption.isEmpty()) {
    caption[0] = caption[0].toUpper();
  }
  return caption;
}

QImage blankImage(const QSize& size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void prepare(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

void paintFrame(QPainter& painter, const QSize& size, const QColor& colour, qreal width) {
  painter.setPen(QPen(colour, width));
  painter.setBrush(Qt::NoBrush);
  const qreal inset = width / 2 + 3;
  painter.drawRoundedRect(QRectF(QPointF(0, 0), size).adjusted(inset, inset, -inset, -inset),
                          width * 4, width * 4);
}

}  // namespace

SpeciesCardPainter::SpeciesCardPainter(const FicheEspece& fiche)
    : fiche_(fiche),
      style_(GroupStyle::forGroup(fiche.Vegetal, fiche.Groupe)),
      name_(readable(fiche.Nom)),
      caption_(captionOf(fiche)) {}

QImage SpeciesCardPainter::card() const {
  QImage image = blankImage(kCardSize);
  QPainter painter(&image);
  prepare(painter);
  paintBackground(painter, kCardSize);
  paintMedallion(painter, QRectF(98, 14, 124, 124));
  paintTitles(painter, QRectF(12, 144, 296, 88),
              TextFitter(Typeface::sans(30, QFont::Bold), 30, 14).preferOneLine(20),
              Typeface::sans(16));
  painter.end();
  return image;
}

QImage SpeciesCardPainter::largeCard() const {
  QImage image = blankImage(kLargeCardSize);
  QPainter painter(&image);
  prepare(painter);
  paintBackground(painter, kLargeCardSize);
  paintMedallion(painter, QRectF(58, 36, 300, 300));
  paintTitles(painter, QRectF(28, 348, 360, 164),
              TextFitter(Typeface::sans(52, QFont::Bold), 52, 22).preferOneLine(36),
              Typeface::sans(26));
  paintHabitat(painter, QRectF(28, 520, 360, 48));
  InformationPanelPainter(fiche_, style_).paint(painter, QRectF(412, 28, 360, 544));
  painter.end();
  return image;
}

QImage SpeciesCardPainter::placeholder() {
  QImage image = blankImage(kCardSize);
  QPainter painter(&image);
  prepare(painter);
  const QColor grey("#b4b4b4");
  image.fill(QColor("#ececec"));
  paintFrame(painter, kCardSize, grey, 2);
  painter.setPen(QPen(grey, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawRoundedRect(QRectF(110, 40, 100, 80), 10, 10);
  painter.setPen(Qt::NoPen);
  painter.fillPath(PathKit::polygon({{122, 108}, {148, 72}, {166, 96}, {178, 84}, {198, 108}}),
                   grey);
  painter.fillPath(PathKit::circle({184, 62}, 9), grey);
  painter.setPen(QColor("#707070"));
  TextFitter(Typeface::sans(30, QFont::Bold), 30, 16)
      .draw(painter, QRectF(12, 140, 296, 60), Qt::AlignCenter, QStringLiteral("Pas de photo"));
  painter.end();
  return image;
}

void SpeciesCardPainter::paintBackground(QPainter& painter, const QSize& size) const {
  QLinearGradient gradient(0, 0, 0, size.height());
  gradient.setColorAt(0, style_.background.lighter(104));
  gradient.setColorAt(1, style_.background.darker(106));
  painter.fillRect(QRect(QPoint(0, 0), size), gradient);
  paintFrame(painter, size, style_.fadedInk(110), size.width() / 160.0);
}

void SpeciesCardPainter::paintMedallion(QPainter& painter, const QRectF& square) const {
  const qreal margin = square.width() * 0.06;
  painter.setPen(QPen(style_.fadedInk(60), square.width() / 60));
  painter.setBrush(kMedallion);
  painter.drawEllipse(square.adjusted(-margin, -margin, margin, margin));
  EmblemPainter::paint(painter, style_, square.adjusted(margin, margin, -margin, -margin));
}

// The name and the group caption are kept together and centred as one block, whether the name
// takes one line or two.
void SpeciesCardPainter::paintTitles(QPainter& painter, const QRectF& area,
                                     const TextFitter& nameFitter, const QFont& captionFont) const {
  const qreal captionHeight = QFontMetricsF(captionFont).height();
  const qreal gap = captionHeight * 0.2;
  const QRectF nameArea = area.adjusted(0, 0, 0, -captionHeight - gap);
  const QFont nameFont = nameFitter.fittingFont(nameArea, Qt::AlignCenter, name_);
  const qreal nameHeight = std::min(
      nameArea.height(), QFontMetricsF(nameFont)
                             .boundingRect(nameArea, Qt::AlignCenter | Qt::TextWordWrap, name_)
                             .height());
  const qreal top = area.center().y() - (nameHeight + gap + captionHeight) / 2;
  painter.setPen(style_.ink.darker(170));
  nameFitter.draw(painter, QRectF(area.left(), top, area.width(), nameHeight), Qt::AlignCenter,
                  name_);
  painter.setPen(style_.ink.darker(115));
  const int captionPixels = captionFont.pixelSize();
  TextFitter(captionFont, captionPixels, captionPixels * 2 / 3)
      .draw(painter, QRectF(area.left(), top + nameHeight + gap, area.width(), captionHeight),
            Qt::AlignCenter, caption_);
}

void SpeciesCardPainter::paintHabitat(QPainter& painter, const QRectF& box) const {
  const qreal iconSize = 40;
  const qreal gap = 10;
  const QString sentence = HabitatPainter::sentence(fiche_.Repartition);
  const QRectF textBox(box.left(), box.top(), box.width() - iconSize - gap, box.height());
  const QFont font = TextFitter(Typeface::sans(21), 21, 12)
                         .preferOneLine(15)
                         .fittingFont(textBox, Qt::AlignLeft | Qt::AlignVCenter, sentence);
  const QFontMetricsF metrics(font);
  const qreal textWidth = std::min(textBox.width(), metrics.horizontalAdvance(sentence) + 2);
  const qreal left = box.center().x() - (iconSize + gap + textWidth) / 2;
  HabitatPainter::paintIcon(painter, fiche_.Repartition,
                            QRectF(left, box.center().y() - iconSize / 2, iconSize, iconSize));
  painter.setFont(font);
  painter.setPen(style_.ink.darker(150));
  painter.drawText(QRectF(left + iconSize + gap, box.top(), textWidth, box.height()),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, sentence);
}

}  // namespace sylvenor::draw
