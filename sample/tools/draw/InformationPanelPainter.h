#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

#include "GroupStyle.h"
#include "species/FicheEspece.h"

class QPainter;
class QTextDocument;

namespace sylvenor::draw {

// The six information lines of a large card. Each value answers a fixed question (what it eats,
// how it breathes…), so it is shown after that question's label: "non" alone would mean nothing
// to a pupil.
class InformationPanelPainter {
 public:
  InformationPanelPainter(const FicheEspece& fiche, GroupStyle style);

  void paint(QPainter& painter, const QRectF& panel) const;

 private:
  struct Item {
    QString label;
    QString value;
  };

  QFont fittingFont(const QRectF& box) const;
  qreal totalHeight(const QFont& font, qreal width) const;
  std::unique_ptr<QTextDocument> layOut(const Item& item, const QFont& font, qreal width) const;

  GroupStyle style_;
  std::vector<Item> items_;
};

}  // namespace sylvenor::draw
