#include "keys/FicheInfo.h"

#include <QLabel>
#include <QPropertyAnimation>
#include <QVBoxLayout>

#include "app/Fenetre.h"

namespace sylvenor {
namespace {

constexpr int kDureeGlissement = 250;  // ms, for the whole height of the window

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
  glissement_ = new QPropertyAnimation(this, "pos", this);
  glissement_->setObjectName("GlissementFiche");
  connect(glissement_, &QPropertyAnimation::finished, this, &FicheInfo::finGlissement);
}

void FicheInfo::entrer(int haut) {
  if (isVisible() && glissement_->endValue().toPoint().y() == haut) return;
  if (!isVisible()) move(x(), parentWidget()->height());
  show();
  raise();
  glisserVers(haut);
}

void FicheInfo::sortir() {
  const int bas = parentWidget()->height();
  if (!isVisible() || glissement_->endValue().toPoint().y() == bas) return;
  glisserVers(bas);
}

void FicheInfo::glisserVers(int haut) {
  glissement_->stop();
  const int trajet = std::abs(haut - y());
  glissement_->setDuration(kDureeGlissement * trajet / std::max(1, parentWidget()->height()));
  glissement_->setStartValue(pos());
  glissement_->setEndValue(QPoint(x(), haut));
  glissement_->start();
}

void FicheInfo::finGlissement() {
  if (y() >= parentWidget()->height()) hide();
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
