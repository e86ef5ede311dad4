#include "app/Splashscreen.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "app/FrenchMessageBox.h"
#include "app/Frm0.h"
#include "app/FrmTemp.h"
#include "app/GradientBackground.h"
#include "app/PictureButton.h"
#include "app/Programme.h"
#include "app/Securite.h"
#include "browse/Form4.h"
#include "browse/FrmAide.h"
#include "keys/FrmCle.h"
#include "keys/FrmDemanderNumEsp.h"
#include "platform/Twips.h"
#include "species/SpeciesCodes.h"
#include "teacher/CrashRecovery.h"
#include "teacher/FrmProf.h"
#include "workshop/FrmCreer.h"
#include "workshop/FrmEntrerNom.h"

namespace sylvenor {
namespace {

constexpr const char* kActiviteOuverte =
    "Une activité est encore ouverte.\n"
    "Ferme-la avec son bouton Quitter, puis entre ton nom.";
constexpr const char* kCleOuverte =
    "Une classification est déjà commencée.\n"
    "Termine-la avec son bouton Quitter avant d'en commencer une autre.";

constexpr int kLargeur = 7500;  // twips

}  // namespace

Splashscreen::Splashscreen(Programme& programme)
    : programme_(programme), frmTemp_(std::make_unique<FrmTemp>(programme.dossier())) {
  setObjectName("Splashscreen");
  setWindowTitle("Sylvenor");
  setFixedWidth(twips(kLargeur));
  construireBandeau();
  construireMenu();
  setHauteur(kHauteurReduite);
}

Splashscreen::~Splashscreen() = default;

void Splashscreen::Form_Load() {
  auto notice = std::make_unique<Frm0>(frmTemp_->image("Chargement"));
  notice->show();
  notice->repaint();
  QApplication::processEvents();
  frmProf_ = std::make_unique<FrmProf>(programme_, *frmTemp_);
  frmDemanderNumEsp_ = std::make_unique<FrmDemanderNumEsp>(programme_.base());
  CrashRecovery::run(programme_.fichiers(), programme_.dossier(),
                     [&notice] { notice->attendreProfesseur(); });
  programme_.base().ChargerBase(programme_.fichiers(), programme_.dossier());
}

void Splashscreen::construireBandeau() {
  btnEleve_ = new PictureButton("BtnEleve", frmTemp_->image("Eleve"), "Entrée des élèves", this);
  btnEleve_->setGeometry(rectTwips(120, 120, 1620, 1620));
  btnProfesseur_ = new PictureButton("BtnProfesseur", frmTemp_->image("Professeur"),
                                     "Entrée du professeur", this);
  btnProfesseur_->setGeometry(rectTwips(1860, 120, 1620, 1620));
  btnQuit_ =
      new PictureButton("BtnQuit", frmTemp_->image("QuitterSamuon"), "Quitter le logiciel", this);
  btnQuit_->setGeometry(rectTwips(5760, 120, 1620, 1620));

  boxPass_ = new QFrame(this);
  boxPass_->setObjectName("BoxPass");
  boxPass_->setFrameShape(QFrame::StyledPanel);
  boxPass_->setGeometry(rectTwips(3600, 240, 2040, 1260));
  auto* prompt = new QLabel("Mot de passe :", boxPass_);
  prompt->setGeometry(rectTwips(90, 60, 1860, 300));
  txtPass_ = new QLineEdit(boxPass_);
  txtPass_->setObjectName("TxtPass");
  txtPass_->setEchoMode(QLineEdit::Password);
  txtPass_->setAccessibleName("Mot de passe du professeur");
  txtPass_->setGeometry(rectTwips(90, 390, 1860, 360));
  auto* ok = new QPushButton("OK", boxPass_);
  ok->setObjectName("Command6");
  ok->setGeometry(rectTwips(1110, 840, 840, 345));
  boxPass_->hide();

  auto* version = new QLabel("V1.0", this);
  version->setObjectName("Label6");
  version->setGeometry(rectTwips(3600, 1560, 1200, 285));

  connect(btnEleve_, &QToolButton::clicked, this, &Splashscreen::BtnEleve_Click);
  connect(btnProfesseur_, &QToolButton::clicked, this, &Splashscreen::BtnProfesseur_Click);
  connect(btnQuit_, &QToolButton::clicked, this, &Splashscreen::BtnQuit_Click);
  connect(ok, &QPushButton::clicked, this, &Splashscreen::Command6_Click);
  connect(txtPass_, &QLineEdit::returnPressed, this, &Splashscreen::Command6_Click);
  // Escape puts the password box away, as leaving the window does.
  auto* annuler = new QShortcut(QKeySequence::Cancel, boxPass_);
  annuler->setContext(Qt::WidgetWithChildrenShortcut);
  connect(annuler, &QShortcut::activated, boxPass_, &QWidget::hide);
}

void Splashscreen::construireMenu() {
  lblNomEleve_ = new QLabel("Elèves", this);
  lblNomEleve_->setObjectName("LblNomEleve");
  lblNomEleve_->setTextFormat(Qt::PlainText);
  lblNomEleve_->setStyleSheet("font-weight: bold;");
  lblNomEleve_->setGeometry(rectTwips(240, 1980, 7020, 330));
  connect(ajouterEntreeMenu(0, "Command1", "Label4", "- Entrer dans le Fichier du Vivant"),
          &QAbstractButton::clicked, this, &Splashscreen::Command1_Click);
  connect(ajouterEntreeMenu(1, "Command2", "Label1", "- Créer sa propre classification"),
          &QAbstractButton::clicked, this, &Splashscreen::Command2_Click);
  connect(ajouterEntreeMenu(2, "Command3", "Label3", "- Classer un animal"),
          &QAbstractButton::clicked, this, &Splashscreen::Command3_Click);
  connect(ajouterEntreeMenu(3, "Command5", "Label2", "- Classer un végétal"),
          &QAbstractButton::clicked, this, &Splashscreen::Command5_Click);

  auto* dictionnaire = new QPushButton("Dictionnaire", this);
  menu_.push_back(dictionnaire);
  dictionnaire->setObjectName("Command4");
  dictionnaire->setGeometry(rectTwips(5520, 2400, 1800, 420));
  connect(dictionnaire, &QPushButton::clicked, this, &Splashscreen::Command4_Click);

  auto* credits =
      new QLabel("Sylvenor : apprendre à classer les êtres vivants, en 6e et en 5e.", this);
  credits->setObjectName("Label5");
  credits->setAlignment(Qt::AlignCenter);
  credits->setGeometry(rectTwips(120, 4050, 7260, 330));
}

QAbstractButton* Splashscreen::ajouterEntreeMenu(int row, const QString& buttonName,
                                                 const QString& labelName, const QString& caption) {
  const int top = 2400 + row * 390;
  auto* button = new PictureButton(buttonName, frmTemp_->image("Menu"), caption.mid(2), this);
  button->setGeometry(rectTwips(240, top, 480, 360));
  auto* label = new QLabel(caption, this);
  label->setObjectName(labelName);
  label->setGeometry(rectTwips(840, top, 4560, 360));
  menu_.push_back(button);
  menu_.push_back(label);
  return button;
}

bool Splashscreen::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Form_Activate();
  return QWidget::event(event);
}

void Splashscreen::paintEvent(QPaintEvent*) {
  GradientBackground::paint(*this, QColor(224, 240, 208), QColor(160, 208, 144));
}

void Splashscreen::Form_Activate() { boxPass_->hide(); }

// A pupil's work stays theirs: the next pupil gives a name once it is closed, so that a recap
// or a saved key never mixes two pupils.
bool Splashscreen::activiteOuverte() {
  const bool cle2 = frm2_ && frm2_->enCours();
  const bool cle3 = frm3_ && frm3_->enCours();
  const bool atelier = frmCreer_ && frmCreer_->ouvert();
  if (!cle2 && !cle3 && !atelier) return false;
  FrenchMessageBox::avertir(this, "Attention", QString::fromUtf8(kActiviteOuverte));
  if (cle2) frm2_->ramener();
  if (cle3) frm3_->ramener();
  if (atelier) frmCreer_->ramener();
  return true;
}

void Splashscreen::BtnEleve_Click() {
  if (activiteOuverte()) return;
  FrmEntrerNom entry(programme_.exercice(), programme_.horloge(), this);
  entry.exec();
  lblNomEleve_->setText(QString::fromStdString(programme_.exercice().nomEleve()));
  setHauteur(kHauteurDeployee);
}

// A pupil sees the cards as they are now, when a teacher on another computer changed them;
// never under a key still running or the teacher's own open screen.
void Splashscreen::relireFiches() {
  if (frmProf_->isVisible() || frm2_ || frm3_ || cleNavigateur_) return;
  if (!programme_.rafraichirBase() || !frm4_) return;
  // The browser lists the cards it was opened on: a new one lists them as they are.
  frm4_->close();
  frm4_ = nullptr;
}

void Splashscreen::Command1_Click() {
  relireFiches();
  if (!frm4_) {
    frm4_ = new Form4(programme_, *frmTemp_,
                      [this](std::int16_t numero) { classerDepuisNavigateur(numero); });
  }
  frm4_->show();
  frm4_->raise();
  frm4_->activateWindow();
}

void Splashscreen::Command2_Click() {
  // One board: a second one would let two loading windows and trials write into each other.
  if (!frmCreer_) {
    frmCreer_ = new FrmCreer(programme_, {*frmTemp_, *this});
  }
  frmCreer_->ramener();
}

void Splashscreen::classerDepuisNavigateur(std::int16_t numero) {
  // The species chosen now replaces any earlier single classification still open.
  if (cleNavigateur_) cleNavigateur_->close();
  const bool animal = programme_.base().fiche(numero).Vegetal == kAnimal;
  OrigineCle origine{nullptr, numero, [this](const std::string& phrase) {
                       if (!frm4_) return;
                       frm4_->afficherGroupe(QString::fromStdString(phrase));
                       frm4_->raise();
                       frm4_->activateWindow();
                     }};
  cleNavigateur_ = new FrmCle(programme_, animal ? ProfilCle::animaux() : ProfilCle::vegetaux(),
                              {*frmTemp_, *frmDemanderNumEsp_, *this, [this] { Command4_Click(); }},
                              std::move(origine));
  cleNavigateur_->show();
  cleNavigateur_->demarrer();
}

void Splashscreen::Command3_Click() { ouvrirCle(frm2_, ProfilCle::animaux()); }

void Splashscreen::Command5_Click() { ouvrirCle(frm3_, ProfilCle::vegetaux()); }

void Splashscreen::ouvrirCle(QPointer<FrmCle>& cle, const ProfilCle& profil) {
  // One key of each kind: a second one would judge answers against the other's species.
  if (cle && cle->enCours()) {
    cle->ramener();
    return;
  }
  relireFiches();
  // One key run at a time: the exercise records the species on screen in one place.
  for (FrmCle* autre : {frm2_.data(), frm3_.data()}) {
    if (autre == nullptr || !autre->enCours()) continue;
    FrenchMessageBox::avertir(this, "Attention", QString::fromUtf8(kCleOuverte));
    autre->ramener();
    return;
  }
  cle = new FrmCle(programme_, profil,
                   {*frmTemp_, *frmDemanderNumEsp_, *this, [this] { Command4_Click(); }});
  cle->show();
  cle->demarrer();
}

void Splashscreen::Command4_Click() {
  if (!frmAide_) frmAide_ = new FrmAide();
  frmAide_->show();
  frmAide_->raise();
  frmAide_->activateWindow();
}

void Splashscreen::BtnProfesseur_Click() {
  setHauteur(kHauteurReduite);
  const bool required = Securite::motDePasseRequis(programme_.reglages());
  boxPass_->setVisible(required);
  if (required) {
    txtPass_->clear();
    txtPass_->setFocus();
  } else {
    afficherProfesseur();
  }
}

void Splashscreen::Command6_Click() {
  if (Securite::motDePasseAccepte(programme_.reglages(), txtPass_->text().toStdString())) {
    afficherProfesseur();
  } else {
    txtPass_->clear();
  }
}

void Splashscreen::BtnQuit_Click() {
  switch (Securite::actionQuitter(programme_.reglages())) {
    case ActionQuitter::Terminer:
      programme_.session().quitProgram();
      break;
    case ActionQuitter::Eteindre:
      programme_.session().powerOff();
      break;
    case ActionQuitter::Redemarrer:
      programme_.session().reboot();
      break;
    case ActionQuitter::Rien:
      break;
  }
}

void Splashscreen::afficherProfesseur() {
  frmProf_->show();
  frmProf_->raise();
  frmProf_->activateWindow();
}

void Splashscreen::setHauteur(int twipsHeight) {
  setFixedHeight(twips(twipsHeight));
  // Below the edge of the folded window, the menu must not be reached with Tab either.
  const bool deploye = twipsHeight == kHauteurDeployee;
  for (QWidget* entree : menu_) entree->setVisible(deploye);
}

}  // namespace sylvenor
