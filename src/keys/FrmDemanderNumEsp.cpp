#include "keys/FrmDemanderNumEsp.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "app/Fenetre.h"
#include "species/BaseEspeces.h"
#include "species/SpeciesCodes.h"

namespace sylvenor {
namespace {

constexpr int kPasPage = 10;

void colorer(QLabel& label, const QColor& couleur) {
  QPalette fond = label.palette();
  fond.setColor(QPalette::Window, couleur);
  label.setPalette(fond);
}

}  // namespace

FrmDemanderNumEsp::FrmDemanderNumEsp(const BaseEspeces& base, QWidget* parent)
    : QDialog(parent), base_(base) {
  setObjectName("FrmDemanderNumEsp");
  setWindowTitle("Choisir une espèce");
  setModal(true);
  construire();
}

void FrmDemanderNumEsp::construire() {
  scroll_ = new QScrollBar(Qt::Horizontal, this);
  scroll_->setObjectName("Scroll");
  scroll_->setAccessibleName("Numéro de l'espèce");
  scroll_->setPageStep(kPasPage);
  // While the thumb is dragged only the number follows; name and kind follow at the release.
  scroll_->setTracking(false);
  scroll_->setFocusPolicy(Qt::StrongFocus);
  // A scroll bar inverts its keys by default; here the right arrow goes to higher numbers.
  scroll_->setInvertedControls(false);
  lblNumEsp_ = Fenetre::etiquette("LblNumEsp", "00", this);
  lblNumEsp_->setStyleSheet("font-size: 16pt; font-weight: bold;");
  lblNomEsp_ = Fenetre::etiquette("LblNomEsp", QString(), this);
  lblTypeEsp_ = Fenetre::etiquette("LblTypeEsp", "Animal", this);
  lblTypeEsp_->setAutoFillBackground(true);
  lblTypeEsp_->setAlignment(Qt::AlignCenter);
  colorer(*lblTypeEsp_, QColor(255, 128, 128));
  btnQuit_ = new QPushButton("Valider", this);
  btnQuit_->setObjectName("BtnQuit");

  auto* especes = new QHBoxLayout;
  especes->addWidget(lblNumEsp_);
  especes->addWidget(lblNomEsp_, 1);
  especes->addWidget(lblTypeEsp_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Fenetre::etiquette(
      "Label1", "Choisir un chiffre grâce à la barre défilante puis valider", this));
  layout->addWidget(scroll_);
  layout->addLayout(especes);
  layout->addWidget(btnQuit_, 0, Qt::AlignHCenter);
  setMinimumWidth(480);

  connect(scroll_, &QScrollBar::sliderMoved, this, &FrmDemanderNumEsp::Scroll_Scroll);
  connect(scroll_, &QScrollBar::valueChanged, this, &FrmDemanderNumEsp::Scroll_Change);
  connect(btnQuit_, &QPushButton::clicked, this, &FrmDemanderNumEsp::BtnQuit_Click);
}

std::int16_t FrmDemanderNumEsp::demander() {
  if (base_.NbFiches() < 1) return 0;
  preparer();
  exec();
  return static_cast<std::int16_t>(tag_.toShort());
}

void FrmDemanderNumEsp::reject() {}

void FrmDemanderNumEsp::preparer() {
  // The teacher may have added or deleted species since the last showing: the range follows
  // the base, which clamps the position kept, and the labels are read again.
  const QSignalBlocker bloque(scroll_);
  scroll_->setRange(1, base_.NbFiches());
  if (!charge_) Form_Load();
  Scroll_Change(scroll_->value());
  scroll_->setFocus();
}

void FrmDemanderNumEsp::Form_Load() {
  charge_ = true;
  scroll_->setValue(1);
}

void FrmDemanderNumEsp::Scroll_Scroll(int position) { lblNumEsp_->setNum(position); }

void FrmDemanderNumEsp::Scroll_Change(int position) {
  lblNumEsp_->setNum(position);
  const FicheEspece& fiche = base_.fiche(position);
  lblNomEsp_->setText(QString::fromStdString(fiche.Nom));
  const bool animal = fiche.Vegetal == kAnimal;
  lblTypeEsp_->setText(animal ? "Animal" : "Vegetal");
  colorer(*lblTypeEsp_, animal ? QColor(255, 128, 128) : QColor(192, 255, 192));
}

void FrmDemanderNumEsp::BtnQuit_Click() {
  tag_ = lblNumEsp_->text();
  accept();
}

}  // namespace sylvenor
