#include "InformationPanelPainter.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <utility>

#include "Typeface.h"

namespace sylvenor::draw {

namespace {

// The meaning of each information line, in the order of the species table.
constexpr std::array<const char*, 6> kAnimalLabels = {"Milieu de vie", "Nourriture", "Vertèbres",
                                                      "Déplacement",   "Membres",    "Respiration"};
constexpr std::array<const char*, 6> kPlantLabels = {"Fleurs",  "Graines",     "Fruits",
                                                     "Racines", "Lieu de vie", "À savoir"};
constexpr std::int16_t kPlant = -1;

const QColor kPanel(255, 255, 255, 215);
const QColor kText("#2b2b2b");
constexpr qreal kMargin = 22;
constexpr qreal kBulletRadius = 6;
constexpr qreal kBulletIndent = 24;
constexpr qreal kGap = 0.6;  // space between two items, in line heights
constexpr int kLargestPixels = 28;
constexpr int kSmallestPixels = 12;

}  // namespace

InformationPanelPainter::InformationPanelPainter(const FicheEspece& fiche, GroupStyle style)
    : style_(std::move(style)) {
  const auto& labels = fiche.Vegetal == kPlant ? kPlantLabels : kAnimalLabels;
  for (std::size_t i = 0; i < fiche.Info.size(); ++i) {
    const QString value = QString::fromStdString(fiche.Info[i]).simplified();
    if (!value.isEmpty()) {
      items_.push_back({QString::fromUtf8(labels[i]), value});
    }
  }
}

void InformationPanelPainter::paint(QPainter& painter, const QRectF& panel) const {
  painter.setPen(QPen(style_.fadedInk(90), 2));
  painter.setBrush(kPanel);
  painter.drawRoundedRect(panel, 18, 18);
  const QRectF inner = panel.adjusted(kMargin, kMargin, -kMargin, -kMargin);
  const QFont font = fittingFont(inner);
  const qreal lineHeight = QFontMetricsF(font).height();
  const qreal textWidth = inner.width() - kBulletIndent;
  qreal top = inner.top() + std::max(0.0, (inner.height() - totalHeight(font, textWidth)) / 2);
  painter.save();
  painter.setClipRect(inner);
  for (const Item& item : items_) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(style_.ink);
    painter.drawEllipse(QPointF(inner.left() + kBulletRadius, top + lineHeight / 2), kBulletRadius,
                        kBulletRadius);
    const auto document = layOut(item, font, textWidth);
    painter.save();
    painter.translate(inner.left() + kBulletIndent, top);
    document->drawContents(&painter);
    painter.restore();
    top += document->size().height() + lineHeight * kGap;
  }
  painter.restore();
}

QFont InformationPanelPainter::fittingFont(const QRectF& box) const {
  const qreal textWidth = box.width() - kBulletIndent;
  for (int pixels = kLargestPixels; pixels > kSmallestPixels; --pixels) {
    const QFont font = Typeface::sans(pixels);
    if (totalHeight(font, textWidth) <= box.height()) {
      return font;
    }
  }
  return Typeface::sans(kSmallestPixels);
}

qreal InformationPanelPainter::totalHeight(const QFont& font, qreal width) const {
  if (items_.empty()) {
    return 0;
  }
  const qreal gap = QFontMetricsF(font).height() * kGap;
  qreal height = -gap;
  for (const Item& item : items_) {
    height += layOut(item, font, width)->size().height() + gap;
  }
  return height;
}

std::unique_ptr<QTextDocument> InformationPanelPainter::layOut(const Item& item, const QFont& font,
                                                               qreal width) const {
  auto document = std::make_unique<QTextDocument>();
  document->setDocumentMargin(0);
  document->setDefaultFont(font);
  document->setTextWidth(width);
  document->setHtml(QStringLiteral("<span style=\"color:%1\"><b style=\"color:%2\">%3&nbsp;:</b> "
                                   "%4</span>")
                        .arg(kText.name(), style_.ink.darker(130).name(),
                             item.label.toHtmlEscaped(), item.value.toHtmlEscaped()));
  return document;
}

}  // namespace sylvenor::draw
