#include "keys/FicheInfo.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/Fenetre.h"

namespace sylvenor {
namespace {

QString depuisUtf8(const std::string& texte) { return QString::fromStdString(texte); }

QLabel* ligneCarte(const QString& name, const QString& caption, QWidget* parent) {
  QLabel* label = Fenetre::etiquette(name, caption, {}, parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

FicheInfo::FicheInfo(int largeur, QWidget* parent) : QFrame(parent) {
  setObjectName("FrmInfo");
  setFrameShape(QFrame::Box);
  Fenetre::colorerFond(*this, QColor(255, 255, 224));
  // Dark text on the pale card whatever the desktop's colours.
  QPalette texte = palette();
  texte.setColor(QPalette::WindowText, Qt::black);
  setPalette(texte);
  setFixedWidth(largeur);
  auto* colonne = new QVBoxLayout(this);
  colonne->setContentsMargins(6, 4, 6, 6);
  colonne->setSpacing(2);
  lblNom_ = ligneCarte("LblNom", "Espece", this);
  lblNom_->setStyleSheet("font-weight: bold;");
  colonne->addWidget(lblNom_);
  for (std::size_t i = 0; i < lblInfo_.size(); ++i) {
    lblInfo_[i] = ligneCarte(QString("LblInfo(%1)").arg(i), "Information:", this);
    colonne->addWidget(lblInfo_[i]);
  }
}

void FicheInfo::montrer(const std::string& nom, const RubriquesFiche& rubriques,
                        const std::array<std::string, 6>& lignes) {
  lblNom_->setText("  " + depuisUtf8(nom));
  for (std::size_t i = 0; i < lblInfo_.size(); ++i) {
    lblInfo_[i]->setText(
        QString::fromUtf8(rubriques[i].data(), static_cast<qsizetype>(rubriques[i].size())) +
        depuisUtf8(lignes[i]));
  }
  layout()->activate();
  setFixedHeight(heightForWidth(width()));
}

}  // namespace sylvenor
