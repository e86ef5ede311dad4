#include "teacher/FrmInfosDisque.h"

#include <QGridLayout>
#include <QLabel>

#include "app/Fenetre.h"
#include "teacher/InfosDisque.h"

namespace sylvenor {

FrmInfosDisque::FrmInfosDisque(QWidget* parent) : QFrame(parent) {
  setObjectName("FrmInfosDisque");
  setFrameShape(QFrame::Box);
  Fenetre::colorerFond(*this, QColor(255, 255, 224));
  new QGridLayout(this);
  lblChemin_ = ligne(0, "Chemin du logiciel :", "LblChemin");
  lblTypeDisque_ = ligne(1, "Type de support :", "LblTypeDisque");
  lblTailleTotale_ = ligne(2, "Taille totale :", "LblTailleTotale");
  lblTailleLibre_ = ligne(3, "Taille libre :", "LblTailleLibre");
  hide();
}

QLabel* FrmInfosDisque::ligne(int rang, const QString& caption, const QString& name) {
  auto* grille = static_cast<QGridLayout*>(layout());
  grille->addWidget(new QLabel(caption, this), rang, 0);
  auto* valeur = new QLabel(this);
  valeur->setObjectName(name);
  valeur->setTextFormat(Qt::PlainText);
  grille->addWidget(valeur, rang, 1);
  return valeur;
}

void FrmInfosDisque::afficher(const std::filesystem::path& dossier, const InfosVolume& volume) {
  lblChemin_->setText(QString::fromStdString(dossier.string()));
  // An unknown code leaves the type shown before.
  if (const auto type = InfosDisque::typeSupport(volume.typeSupport)) {
    lblTypeDisque_->setText(QString::fromStdString(*type));
  }
  lblTailleTotale_->setText(QString::fromStdString(InfosDisque::taille(volume.octetsTotal)));
  lblTailleLibre_->setText(QString::fromStdString(InfosDisque::taille(volume.octetsLibres)));
  adjustSize();
  show();
  raise();
}

}  // namespace sylvenor
