#pragma once

#include <QImage>
#include <QString>

#include "GroupStyle.h"
#include "TextFitter.h"
#include "species/FicheEspece.h"

class QPainter;

namespace sylvenor::draw {

// The illustrated cards of the species: the group shows through the colours and the emblem, the
// name is what pupils read first. The card never shows the species number, since cards are
// renumbered while the pictures follow their species.
class SpeciesCardPainter {
 public:
  explicit SpeciesCardPainter(const FicheEspece& fiche);

  QImage card() const;
  QImage largeCard() const;
  static QImage placeholder();

 private:
  void paintBackground(QPainter& painter, const QSize& size) const;
  void paintMedallion(QPainter& painter, const QRectF& square) const;
  void paintTitles(QPainter& painter, const QRectF& area, const TextFitter& nameFitter,
                   const QFont& captionFont) const;
  void paintHabitat(QPainter& painter, const QRectF& box) const;

  FicheEspece fiche_;
  GroupStyle style_;
  QString name_;
  QString caption_;
};

}  // namespace sylvenor::draw
