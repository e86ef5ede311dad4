#include "workshop/FrmChargerClassif.h"

#include <QCollator>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>

#include "app/Fenetre.h"
#include "app/FrenchMessageBox.h"
#include "app/Programme.h"
#include "platform/Twips.h"

namespace sylvenor {

FrmChargerClassif::FrmChargerClassif(
    Programme& programme, std::function<void(const ClassificationEleve&)> chargerDansPlateau,
    QWidget* plateau)
    : QWidget(plateau, Qt::Window),
      sauvegardes_(programme.fichiers(), programme.dossier()),
      chargerDansPlateau_(std::move(chargerDansPlateau)) {
  setObjectName("FrmChargerClassif");
  setWindowTitle("Charger une classification d'élève");
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(twips(7110), twips(5145));
  Fenetre::colorerFond(*this, QColor(128, 128, 255));
  file1_ = new QListWidget(this);
  file1_->setObjectName("File1");
  file1_->setAccessibleName("Classifications enregistrées");
  file1_->setGeometry(rectTwips(90, 45, 6825, 4380));
  btnDetruire_ = bouton("BtnDetruire", "Détruire", 225);
  btnCharger_ = bouton("BtnCharger", "Charger", 2640);
  auto* annuler = bouton("BtnAnnuler", "Annuler", 4950);
  activer(false);
  connect(file1_, &QListWidget::itemClicked, this, &FrmChargerClassif::File1_Click);
  connect(file1_, &QListWidget::itemDoubleClicked, this, &FrmChargerClassif::BtnCharger_Click);
  connect(btnCharger_, &QPushButton::clicked, this, &FrmChargerClassif::BtnCharger_Click);
  connect(btnDetruire_, &QPushButton::clicked, this, &FrmChargerClassif::BtnDetruire_Click);
  connect(annuler, &QPushButton::clicked, this, &QWidget::close);
  // From the keyboard: Enter presses the button that has the focus, and anywhere else loads
  // the file chosen in the list; Escape cancels.
  for (const auto touche : {Qt::Key_Return, Qt::Key_Enter}) {
    connect(new QShortcut(touche, this), &QShortcut::activated, this, [this] {
      if (auto* bouton = qobject_cast<QPushButton*>(focusWidget())) {
        bouton->click();
      } else {
        BtnCharger_Click();
      }
    });
  }
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
}

QPushButton* FrmChargerClassif::bouton(const QString& name, const QString& caption, int left) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  button->setGeometry(rectTwips(left, 4550, 1800, 450));
  return button;
}

void FrmChargerClassif::ouvrir() { rafraichir(QMessageBox::Information); }

void FrmChargerClassif::rafraichir(QMessageBox::Icon iconeSiVide) {
  const bool fichiers = remplir();
  activer(fichiers);
  if (!fichiers) avertir(std::string(ClassificationsEnregistrees::kAucunFichier), iconeSiVide);
}

bool FrmChargerClassif::remplir() {
  // A missing folder is an empty one: there is nothing to load.
  std::vector<std::string> noms = sauvegardes_.lister().noms;
  QCollator ordre(QLocale(QLocale::French));
  ordre.setNumericMode(true);
  ordre.setCaseSensitivity(Qt::CaseInsensitive);
  std::sort(noms.begin(), noms.end(), [&ordre](const std::string& a, const std::string& b) {
    return ordre.compare(QString::fromStdString(a), QString::fromStdString(b)) < 0;
  });
  file1_->clear();
  for (const std::string& nom : noms) {
    auto* item = new QListWidgetItem(QString::fromStdString(nom), file1_);
    item->setData(Qt::UserRole, QByteArray::fromStdString(nom));
  }
  courant_.clear();
  if (noms.empty()) return false;
  file1_->setCurrentRow(0);
  courant_ = file1_->item(0)->data(Qt::UserRole).toByteArray();
  return true;
}

void FrmChargerClassif::activer(bool actif) {
  btnCharger_->setEnabled(actif);
  btnDetruire_->setEnabled(actif);
}

void FrmChargerClassif::avertir(const std::string& texte, QMessageBox::Icon icone) {
  FrenchMessageBox::avertir(this, "Attention", QString::fromStdString(texte), icone);
}

void FrmChargerClassif::File1_Click() {
  if (QListWidgetItem* item = file1_->currentItem()) {
    courant_ = item->data(Qt::UserRole).toByteArray();
  }
}

void FrmChargerClassif::BtnCharger_Click() {
  File1_Click();
  if (courant_.isEmpty()) return;
  const auto chargement = sauvegardes_.charger(courant_.toStdString());
  if (chargement.erreur != FileError::Aucune) {
    avertir(std::string(ClassificationsEnregistrees::kIllisible));
    return;
  }
  if (!chargement.cle) {
    avertir(std::string(ClassificationsEnregistrees::kPasUneClassification));
    return;
  }
  chargerDansPlateau_(*chargement.cle);
  close();
}

void FrmChargerClassif::BtnDetruire_Click() {
  File1_Click();
  if (!courant_.isEmpty()) {
    const FileError erreur = sauvegardes_.detruire(courant_.toStdString());
    if (erreur != FileError::Aucune) {
      avertir(ClassificationsEnregistrees::messageErreur(
          erreur, ClassificationsEnregistrees::Operation::Suppression));
      return;
    }
  }
  rafraichir(QMessageBox::Warning);
}

}  // namespace sylvenor
