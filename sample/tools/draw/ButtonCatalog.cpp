#include "ButtonCatalog.h"

#include <QPainter>

#include "ButtonIconPainter.h"
#include "CardIconPainter.h"
#include "WorkshopAnimalPainter.h"

namespace sylvenor::draw {

namespace {
constexpr qreal kGrid = 100.0;
}

const std::vector<ButtonCatalog::Button>& ButtonCatalog::buttons() {
  using Icons = ButtonIconPainter;
  using Animals = WorkshopAnimalPainter;
  static const std::vector<Button> all = {
      {QStringLiteral("Eleve.png"), 96, Icons::paintPupil},
      {QStringLiteral("Professeur.png"), 96, Icons::paintTeacher},
      {QStringLiteral("QuitterSamuon.png"), 96, Icons::paintDoorExit},
      {QStringLiteral("Quitter.png"), 64, Icons::paintExitArrow},
      {QStringLiteral("QuitterRouge.png"), 64, Icons::paintRedExitSign},
      {QStringLiteral("OUI_vert.png"), 48, Icons::paintGreenYes},
      {QStringLiteral("NON_vert.png"), 48, Icons::paintGreenNo},
      {QStringLiteral("Juste.png"), 144, Icons::paintRightMark},
      {QStringLiteral("Faux.png"), 144, Icons::paintWrongMark},
      {QStringLiteral("Accepter.png"), 48, Icons::paintAccept},
      {QStringLiteral("Oui.png"), 48, Icons::paintThumbUp},
      {QStringLiteral("Non.png"), 48, Icons::paintThumbDown},
      {QStringLiteral("Chargement.png"), 64, Icons::paintHourglass},
      {QStringLiteral("Menu.png"), 32, Icons::paintMenuArrow},
      {QStringLiteral("Valider.png"), 64, Icons::paintBigCheck},
      {QStringLiteral("Modifier.png"), 48, Icons::paintEdit},
      {QStringLiteral("Supprimer.png"), 48, Icons::paintBin},
      {QStringLiteral("Importer.png"), 48, Icons::paintImport},
      {QStringLiteral("Exporter.png"), 48, Icons::paintExport},
      {QStringLiteral("Loupe.png"), 48, Icons::paintMagnifier},
      {QStringLiteral("Nouveau.png"), 48, CardIconPainter::paintNewCard},
      {QStringLiteral("Enregistrer.png"), 48, CardIconPainter::paintSave},
      {QStringLiteral("Detruire.png"), 48, CardIconPainter::paintDiscardCard},
      {QStringLiteral("Fermer.png"), 48, CardIconPainter::paintClose},
      {QStringLiteral("Gardon.png"), 100, Animals::paintRoach},
      {QStringLiteral("Corbeau.png"), 100, Animals::paintCrow},
      {QStringLiteral("Rainette.png"), 100, Animals::paintTreeFrog},
      {QStringLiteral("Lapin.png"), 100, Animals::paintRabbit},
  };
  return all;
}

QImage ButtonCatalog::render(const Button& button) {
  QImage image(button.size, button.size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(button.size / kGrid, button.size / kGrid);
  painter.setPen(Qt::NoPen);
  button.paint(painter);
  painter.end();
  return image;
}

}  // namespace sylvenor::draw
