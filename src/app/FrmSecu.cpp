#include "app/FrmSecu.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/Fenetre.h"
#include "app/FrenchMessageBox.h"

namespace sylvenor {
namespace {

constexpr std::array<const char*, 3> kModes = {"Uniquement quitter le logiciel  (classique)",
                                               "Egalement quitter Windows",
                                               "Quitter et relancer Windows"};

QLabel* etiquette(const char* name, const QString& text, QWidget* parent) {
  QLabel* label = Fenetre::etiquette(name, text, parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

FrmSecu::FrmSecu(Reglages& reglages, QWidget* parent) : QDialog(parent), reglages_(reglages) {
  setObjectName("FrmSecu");
  setWindowTitle("Sécurité");
  auto* layout = new QVBoxLayout(this);
  auto* titre = etiquette("Label3", "SECURITE", this);
  titre->setStyleSheet("font-size: 14pt; font-weight: bold;");
  layout->addWidget(titre);
  optPass_ = new QCheckBox("Utiliser un mot de passe pour entrer dans le module PROFESSEUR", this);
  optPass_->setObjectName("OptPass");
  layout->addWidget(optPass_);
  layout->addWidget(etiquette("Label1", "Mot de passe", this));
  txtPass_ = new QLineEdit(this);
  txtPass_->setObjectName("TxtPass");
  txtPass_->setAccessibleName("Mot de passe");
  layout->addWidget(txtPass_);
  layout->addWidget(etiquette(
      "Label2", "Attention, le mot de passe tient compte des minuscules/majuscules !", this));
  auto* frame1 = new QGroupBox("En Quittant le logiciel", this);
  frame1->setObjectName("Frame1");
  auto* modes = new QVBoxLayout(frame1);
  auto* groupe = new QButtonGroup(this);
  for (std::size_t i = 0; i < kModes.size(); ++i) {
    optQuitter_[i] = new QRadioButton(kModes[i], frame1);
    optQuitter_[i]->setObjectName(QString("OptQuitter(%1)").arg(i));
    groupe->addButton(optQuitter_[i]);
    modes->addWidget(optQuitter_[i]);
  }
  Fenetre::tabulerSurLeChoix(groupe->buttons());
  layout->addWidget(frame1);
  auto* fermer = new QPushButton("FERMER", this);
  fermer->setObjectName("Command1");
  fermer->setDefault(true);
  layout->addWidget(fermer);
  Form_Load();
  connect(optPass_, &QCheckBox::clicked, this, &FrmSecu::OptPass_Click);
  connect(txtPass_, &QLineEdit::textChanged, this, &FrmSecu::TxtPass_Change);
  connect(fermer, &QPushButton::clicked, this, &FrmSecu::Command1_Click);
}

void FrmSecu::Form_Load() {
  lu_ = ReglageSecurite::lire(reglages_);
  optPass_->setChecked(lu_.motDePasseRequis);
  txtPass_->setText(QString::fromStdString(lu_.motDePasse));
  // A stored mode that is none of the three selects nothing; "FERMER" then keeps it.
  if (const auto mode = lu_.modeQuitter()) optQuitter_.at(*mode)->setChecked(true);
}

void FrmSecu::OptPass_Click() {
  if (optPass_->isChecked()) txtPass_->setFocus();
}

void FrmSecu::TxtPass_Change() { optPass_->setChecked(true); }

void FrmSecu::Command1_Click() {
  const std::string motDePasse = txtPass_->text().toStdString();
  if (!ReglageSecurite::acceptable(optPass_->isChecked(), motDePasse)) {
    FrenchMessageBox::avertir(this, "Attention", QString::fromUtf8(ReglageSecurite::kRefus.data()));
    txtPass_->setFocus();
    return;
  }
  std::optional<int> mode;
  for (std::size_t i = 0; i < optQuitter_.size() && !mode; ++i) {
    if (optQuitter_[i]->isChecked()) mode = static_cast<int>(i);
  }
  if (!lu_.ecrire(reglages_, optPass_->isChecked(), motDePasse, mode)) {
    FrenchMessageBox::avertir(
        this, "Attention",
        QString::fromUtf8(Reglages::kNonEnregistres.data(), Reglages::kNonEnregistres.size()));
  }
  accept();
}

}  // namespace sylvenor
