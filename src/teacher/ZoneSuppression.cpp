#include "teacher/ZoneSuppression.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include "app/FrenchMessageBox.h"
#include "app/MessageErreurFichier.h"
#include "app/Programme.h"
#include "teacher/SuppressionEspeces.h"

namespace sylvenor {
namespace {

// A removal's messages have no row of their own for a full disk: it is told with its number.
const MessageErreurFichier::Textes kOuverture{
    "Les fichiers ne peuvent être supprimés de ce support.\nTraitement interrompu.",
    "Fichiers en lecture seule.\nTraitement impossible.", std::nullopt};
const MessageErreurFichier::Textes kSuppression{
    "Les fichiers ne peuvent être supprimés de ce support.\nTraitement interrompu.",
    "Au moins un fichier est en lecture seule\nTraitement impossible.", std::nullopt};

QString message(FileError erreur, const MessageErreurFichier::Textes& textes) {
  return QString::fromStdString(MessageErreurFichier::texte(erreur, textes));
}

}  // namespace

ZoneSuppression::ZoneSuppression(Programme& programme, std::function<void()> compteChange,
                                 std::function<void()> fermer, QWidget* parent)
    : QWidget(parent), programme_(programme), compteChange_(std::move(compteChange)) {
  setObjectName("FrmSupp");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel("Cochez les espèces à retirer de la liste et cliquer sur SUPPRIMER.", this));
  listEspeces_ = new QListWidget(this);
  listEspeces_->setObjectName("ListEspeces");
  listEspeces_->setMinimumHeight(260);
  layout->addWidget(listEspeces_);
  optSupImg_ = new QCheckBox("Supprimer les images en même temps   (conseillé)", this);
  optSupImg_->setObjectName("OptSupImg");
  optSupImg_->setChecked(true);
  layout->addWidget(optSupImg_);
  pourcent_ = new QProgressBar(this);
  pourcent_->setObjectName("Pourcent");
  pourcent_->setTextVisible(false);
  pourcent_->hide();
  layout->addWidget(pourcent_);
  auto* buttons = new QHBoxLayout;
  auto* supprimer = new QPushButton("Supprimer", this);
  supprimer->setObjectName("CmdSupprEspece");
  auto* fermerButton = new QPushButton("Fermer", this);
  fermerButton->setObjectName("CmdFermerSupp");
  fermerButton->setToolTip("Fermer cette zone");
  connect(supprimer, &QPushButton::clicked, this, &ZoneSuppression::CmdSupprEspece_Click);
  connect(fermerButton, &QPushButton::clicked, this, std::move(fermer));
  buttons->addStretch();
  buttons->addWidget(supprimer);
  buttons->addWidget(fermerButton);
  layout->addLayout(buttons);
  hide();
}

bool ZoneSuppression::ouvrir() {
  const FileError erreur =
      programme_.fichiers().makeWritable(BaseEspeces::cheminBase(programme_.dossier()));
  if (erreur != FileError::Aucune) {
    afficherErreur(message(erreur, kOuverture));
    return false;
  }
  remplirListe();
  return true;
}

void ZoneSuppression::remplirListe() {
  listEspeces_->clear();
  const BaseEspeces& base = programme_.base();
  for (std::int16_t n = 1; n <= base.NbFiches(); ++n) {
    auto* item = new QListWidgetItem(
        QString(" %1- %2").arg(n).arg(QString::fromStdString(base.fiche(n).Nom)), listEspeces_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

std::vector<std::int16_t> ZoneSuppression::cochees() const {
  std::vector<std::int16_t> numbers;
  for (int row = 0; row < listEspeces_->count(); ++row) {
    if (listEspeces_->item(row)->checkState() == Qt::Checked) {
      numbers.push_back(static_cast<std::int16_t>(row + 1));
    }
  }
  return numbers;
}

void ZoneSuppression::CmdSupprEspece_Click() {
  const std::vector<std::int16_t> numbers = cochees();
  if (numbers.empty()) {
    afficherErreur("Aucune espèce n'a été sélectionnée.\nAucune fiche n'a été supprimée.");
    return;
  }
  const auto answer = FrenchMessageBox::demander(
      this, "Attention !",
      "  Si vous détruisez des espèces de la base de données,\nelles ne pourront pas être "
      "récupérées automatiquement.\n\n  Etes-vous sûr de vouloir détruire ces espèces de la "
      "base ?",
      // Enter alone must never destroy cards.
      QMessageBox::Yes | QMessageBox::No, QMessageBox::NoIcon, QMessageBox::No);
  if (answer != QMessageBox::Yes) return;

  SuppressionEspeces suppression(programme_.base(), programme_.fichiers(), programme_.dossier());
  FileError erreur = suppression.verifier();
  if (erreur != FileError::Aucune) {
    QString text = message(erreur, kSuppression);
    if (suppression.numeroSansPhoto() != 0) {
      text += QString("\n\nLa photo de l'espèce n°%1 est absente (%1.jpg).")
                  .arg(suppression.numeroSansPhoto());
    }
    afficherErreur(text);
    return;
  }
  pourcent_->setRange(0, programme_.base().NbFiches());
  pourcent_->setValue(0);
  pourcent_->show();
  erreur = suppression.supprimer(numbers, optSupImg_->isChecked(), [this](int n) {
    pourcent_->setValue(n);
    pourcent_->repaint();
  });
  pourcent_->hide();
  if (erreur == FileError::ChangeeAilleurs) programme_.relireBase();
  if (erreur != FileError::Aucune) {
    afficherErreur(message(erreur, kSuppression));
  } else {
    FrenchMessageBox::avertir(this, "Information", "Fin de traitement des données.",
                              QMessageBox::NoIcon);
  }
  // A failure may come once the base is replaced: the list always shows the table.
  compteChange_();
  remplirListe();
}

void ZoneSuppression::afficherErreur(const QString& text) {
  FrenchMessageBox::avertir(this, "Attention", text);
}

}  // namespace sylvenor
