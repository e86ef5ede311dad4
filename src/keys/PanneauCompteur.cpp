#include "keys/PanneauCompteur.h"

#include <QLabel>

#include "app/Fenetre.h"
#include "keys/Exercice.h"
#include "keys/PartBonnesReponses.h"
#include "platform/Twips.h"

namespace sylvenor {
namespace {

QLabel* label(const QString& name, const QString& text, int left, int top, int width,
              QWidget* parent) {
  return Fenetre::etiquette(name, text, rectTwips(left, top, width, 330), parent);
}

}  // namespace

PanneauCompteur::PanneauCompteur(QWidget* parent) : QFrame(parent) {
  setObjectName("FrmCompteur");
  setFrameShape(QFrame::Box);
  label("Label4", "Aide:", 90, 60, 1200, this);
  lblCompteAide_ = label("LblCompteAide", "0-0", 900, 60, 1680, this);
  label("Label5", "Nombre d'espèces:", 90, 420, 1860, this);
  lblEssai_ = label("LblEssai", "0", 1980, 420, 600, this);
  label("Label6", "- Bien:", 90, 780, 1200, this);
  lblBon_ = label("LblBon", "0", 1320, 780, 600, this);
  label("Label7", "- Erreurs:", 90, 1140, 1200, this);
  lblErreur_ = label("LblErreur", "0", 1320, 1140, 600, this);
  // Dark text on a white frame and a light bar: readable whatever the share and the key's
  // colour.
  auto* shape = new QFrame(this);
  shape->setObjectName("Shape1");
  shape->setFrameShape(QFrame::Box);
  shape->setGeometry(rectTwips(405, 1620, 1770, 450));
  Fenetre::colorerFond(*shape, Qt::white);
  barcolor_ = Fenetre::etiquette(
      "Barcolor1", "", rectTwips(435, 1650, PartBonnesReponses::kLargeurBarre, 390), this);
  barcolor_->setStyleSheet("background-color: rgb(144, 216, 144);");
  lblPourcent_ = Fenetre::etiquette("LblPourcent", "100 %", rectTwips(435, 1650, 1710, 390), this);
  lblPourcent_->setAlignment(Qt::AlignCenter);
  lblPourcent_->setStyleSheet("font-weight: bold; color: black; background: transparent;");
}

void PanneauCompteur::montrerAide(int espece, int total) {
  lblCompteAide_->setText(QString("%1 - total: %2").arg(espece).arg(total));
}

void PanneauCompteur::montrerAide(const Exercice& exercice) {
  montrerAide(exercice.nbAideEspece(), exercice.nbAideTotal());
}

// The species to come has had no help yet.
void PanneauCompteur::montrerRangSuivant(const Exercice& exercice) {
  montrerAide(0, exercice.nbAideTotal());
  lblEssai_->setText(QString::number(exercice.rangEspece() + 1));
}

void PanneauCompteur::montrer(const Exercice& exercice) {
  montrerAide(exercice);
  lblEssai_->setText(QString::number(exercice.rangEspece()));
  lblBon_->setText(QString::number(exercice.nbBien()));
  lblErreur_->setText(QString::number(exercice.nbErreurs()));
  const auto part = exercice.part();
  if (!part) return;
  barcolor_->setFixedWidth(twips(part->largeur));
  lblPourcent_->setText(QString("%1 %").arg(part->pourcent));
}

}  // namespace sylvenor
