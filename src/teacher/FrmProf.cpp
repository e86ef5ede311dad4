#include "teacher/FrmProf.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>

#include "app/CaptionLayout.h"
#include "app/Fenetre.h"
#include "app/FrenchMessageBox.h"
#include "app/FrmAPropos.h"
#include "app/FrmSecu.h"
#include "app/FrmTemp.h"
#include "app/GradientBackground.h"
#include "app/PictureButton.h"
#include "app/Programme.h"
#include "results/FrmResultats.h"
#include "species/SpeciesCodes.h"
#include "teacher/FrmInfosDisque.h"
#include "teacher/OptionPair.h"
#include "teacher/ZoneFiches.h"
#include "teacher/ZoneSuppression.h"

namespace sylvenor {
namespace {

constexpr int kLargeur = 800;

const QString kQuestionReponse =
    "                  L'élève doit trouver la bonne réponse                  avant de passer à "
    "la fiche suivante";

QString welcomeText() {
  return QStringList{"C'est la première fois que vous venez dans le module professeur",
                     "Merci d'envoyer un message aux auteurs du logiciel pour leur",
                     "faire part de vos remarques.", "",
                     "Visitez notre site internet pour trouver de nouvelles fiches."}
      .join('\n');
}

QLabel* toolLink(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setCursor(Qt::PointingHandCursor);
  // Reached with Tab and opened with Space or Enter, as a button; underlined while it has focus.
  label->setFocusPolicy(Qt::StrongFocus);
  label->setStyleSheet("QLabel:focus { text-decoration: underline; }");
  return label;
}

}  // namespace

FrmProf::FrmProf(Programme& programme, const FrmTemp& pictures)
    : programme_(programme), pictures_(pictures) {
  setObjectName("FrmProf");
  setWindowTitle("PROFESSEUR");
  auto* title = new QLabel("PROFESSEUR", this);
  title->setStyleSheet("font-size: 20pt; font-weight: bold; color: white;");
  title->setAlignment(Qt::AlignCenter);

  auto* left = new QVBoxLayout;
  left->addWidget(construireBase(pictures));
  left->addWidget(construireAtelier());
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(construireCles());
  right->addWidget(construireFiltre());
  right->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);

  const auto compte = [this] { afficherNbFiches(); };
  zoneFiches_ = new ZoneFiches(
      programme_, pictures, compte, [this] { montrerZone(zoneFiches_, false); }, this);
  zoneSuppression_ = new ZoneSuppression(
      programme_, compte, [this] { montrerZone(zoneSuppression_, false); }, this);

  // Everything but the bottom bar scrolls, so that "Valider" and the tools stay in reach on
  // a small or scaled screen.
  contenu_ = new QWidget;
  auto* haut = new QVBoxLayout(contenu_);
  haut->setContentsMargins(0, 0, 0, 0);
  haut->addWidget(title);
  haut->addLayout(columns);
  haut->addWidget(zoneFiches_);
  haut->addWidget(zoneSuppression_);
  defilement_ = new QScrollArea(this);
  defilement_->setObjectName("Defilement");
  defilement_->setFrameShape(QFrame::NoFrame);
  defilement_->setWidgetResizable(true);
  defilement_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  defilement_->setWidget(contenu_);
  // The gradient of the window shows through.
  contenu_->setAutoFillBackground(false);
  defilement_->viewport()->setAutoFillBackground(false);
  bas_ = construireBas(pictures);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(defilement_, 1);
  layout->addWidget(bas_);
  ajusterAEcran();

  // Shown over the screen, above its label, while the label is held down.
  frmInfosDisque_ = new FrmInfosDisque(this);
  afficherOptions(programme_.options());
  // What the teacher changes here is in force at once for the activities.
  for (QGroupBox* box : boitesOptions_) {
    for (QAbstractButton* choix : box->findChildren<QAbstractButton*>()) {
      connect(choix, &QAbstractButton::toggled, this, [this] { programme_.options() = options(); });
    }
  }
}

QWidget* FrmProf::construireBase(const FrmTemp& pictures) {
  auto* box = new QGroupBox("Gérer la base de données des êtres vivants", this);
  box->setObjectName("Frame1");
  auto* layout = new QGridLayout(box);
  layout->addWidget(new QLabel("Nombre de fiches:", box), 0, 0);
  lblNbFiches_ = new QLabel("0", box);
  lblNbFiches_->setObjectName("LblNbFiches");
  lblNbFiches_->setStyleSheet("font-weight: bold;");
  layout->addWidget(lblNbFiches_, 0, 1);
  auto* ajout = new PictureButton("CmdAjout", pictures.image("Modifier"), "Modifier", box);
  auto* suppr = new PictureButton("CmdSuppr", pictures.image("Supprimer"), "Supprimer", box);
  connect(ajout, &QToolButton::clicked, this, &FrmProf::CmdAjout_Click);
  connect(suppr, &QToolButton::clicked, this, &FrmProf::CmdSuppr_Click);
  layout->addWidget(new QLabel("Ajouter/Modifier des fiches de la base", box), 1, 0);
  layout->addWidget(ajout, 1, 1);
  layout->addWidget(new QLabel("Supprimer des espèces de la base", box), 2, 0);
  layout->addWidget(suppr, 2, 1);
  return box;
}

QWidget* FrmProf::construireAtelier() {
  auto* box = new QGroupBox("ECRAN \"Créer ta propre classification\"", this);
  boitesOptions_[0] = box;
  auto* layout = new QVBoxLayout(box);
  optImprim_ = new OptionPair("Permettre l'impression des écrans:", "OptImprim1", "Oui",
                              "OptImprim2", "Non", box);
  optTest_ = new OptionPair("Permettre de tester la classification:", "OptTest1", "Oui", "OptTest2",
                            "Non", box);
  optEnreg_ = new OptionPair("Enregistrer/charger la classification:", "OptEnreg1", "Oui",
                             "OptEnreg2", "Non", box);
  layout->addWidget(optImprim_);
  layout->addWidget(optTest_);
  layout->addWidget(optEnreg_);
  return box;
}

QWidget* FrmProf::construireCles() {
  auto* box = new QGroupBox("Classer les êtres vivants", this);
  boitesOptions_[1] = box;
  auto* layout = new QVBoxLayout(box);
  optChoix_ = new OptionPair("Séquence des espèces à classer", "OptChoix1",
                             "Laisser le logiciel choisir au hasard", "OptChoix2",
                             "Demander un numéro à l'élève", box, Qt::Vertical);
  optRep_ = new OptionPair(CaptionLayout::lignes(kQuestionReponse), "OptRep1", "Oui", "OptRep2",
                           "Non", box);
  optCompteur_ = new OptionPair("Statistiques:", "OptCompteur1", "Oui", "OptCompteur2", "Non", box);
  optFiche_ = new OptionPair("Afficher", "OptFiche1", "Oui", "OptFiche2", "Non", box);
  layout->addWidget(optChoix_);
  layout->addWidget(optRep_);
  layout->addWidget(optCompteur_);
  layout->addWidget(new QLabel("Fiche d'informations:", box));
  layout->addWidget(optFiche_);
  return box;
}

QWidget* FrmProf::construireFiltre() {
  auto* box = new QGroupBox("Filtrer les espèces", this);
  boitesOptions_[2] = box;
  auto* layout = new QVBoxLayout(box);
  for (std::size_t k = 0; k < optUtiliser_.size(); ++k) {
    const auto caption = *nomFiltreRepartition(static_cast<std::int16_t>(k));
    optUtiliser_[k] = new QCheckBox(QString::fromUtf8(caption.data(), caption.size()), box);
    optUtiliser_[k]->setObjectName(QString("OptUtiliser(%1)").arg(k));
    layout->addWidget(optUtiliser_[k]);
  }
  return box;
}

QWidget* FrmProf::construireBas(const FrmTemp& pictures) {
  auto* bar = new QWidget(this);
  auto* layout = new QHBoxLayout(bar);
  for (const auto& [name, text] :
       {std::pair{"LblSecurite", "< Sécurité >"}, std::pair{"LblInfosDisque", "< Infos disque >"},
        std::pair{"LblAPropos", "A PROPOS ..."}}) {
    QLabel* link = toolLink(name, text, bar);
    link->installEventFilter(this);
    layout->addWidget(link);
  }
  // A link's usual blue hardly reads on the screen's grey.
  auto* web =
      new QLabel(QString("<a href=\"%1\" style=\"color: #000040;\">%1</a>").arg(kAdresseWeb), bar);
  web->setObjectName("LblWeb");

  web->setToolTip("Ouvrir le site du logiciel");
  web->setTextInteractionFlags(Qt::TextBrowserInteraction);
  connect(web, &QLabel::linkActivated, this,
          [this](const QString& url) { programme_.web().open(url.toStdString()); });
  layout->addWidget(web);
  layout->addStretch();
  auto* resultats = new QPushButton("Résultats des élèves", bar);
  resultats->setObjectName("BtnResultats");
  connect(resultats, &QPushButton::clicked, this, &FrmProf::BtnResultats_Click);
  layout->addWidget(resultats);
  auto* valider =
      new PictureButton("Command1", pictures.image("Valider"), "Valider et fermer", bar);
  connect(valider, &QToolButton::clicked, this, &FrmProf::Command1_Click);
  layout->addWidget(valider);
  return bar;
}

OptionsEleve FrmProf::options() const {
  OptionsEleve options;
  options.impression = optImprim_->valeur();
  options.tester = optTest_->valeur();
  options.enregistrer = optEnreg_->valeur();
  options.choix = optChoix_->valeur();
  options.fiche = optFiche_->valeur();
  options.reponse = optRep_->valeur();
  options.compteur = optCompteur_->valeur();
  for (std::size_t k = 0; k < optUtiliser_.size(); ++k) {
    options.utiliser[k] = optUtiliser_[k]->isChecked();
  }
  return options;
}

void FrmProf::afficherOptions(const OptionsEleve& options) {
  optImprim_->setValeur(options.impression);
  optTest_->setValeur(options.tester);
  optEnreg_->setValeur(options.enregistrer);
  optChoix_->setValeur(options.choix);
  optFiche_->setValeur(options.fiche);
  optRep_->setValeur(options.reponse);
  optCompteur_->setValeur(options.compteur);
  for (std::size_t k = 0; k < optUtiliser_.size(); ++k) {
    optUtiliser_[k]->setChecked(options.utiliser[k]);
  }
}

bool FrmProf::eventFilter(QObject* watched, QEvent* event) {
  auto* label = static_cast<QWidget*>(watched);
  const auto* souris = dynamic_cast<QMouseEvent*>(event);
  const auto* touche = dynamic_cast<QKeyEvent*>(event);
  if (souris != nullptr && souris->button() == Qt::LeftButton) {
    // A link opens when the button is let go over it, as a button does.
    const bool surLeLien = label->rect().contains(souris->position().toPoint());
    if (event->type() == QEvent::MouseButtonPress) outilEnfonce(*label);
    if (event->type() == QEvent::MouseButtonRelease) outilRelache(*label, surLeLien);
  } else if (touche != nullptr && !touche->isAutoRepeat() &&
             (touche->key() == Qt::Key_Space || touche->key() == Qt::Key_Return ||
              touche->key() == Qt::Key_Enter)) {
    // Only a key pressed on this label opens it: the release of the Enter that closed a
    // dialog must not open it again.
    if (event->type() == QEvent::KeyPress) {
      toucheSur_ = label;
      outilEnfonce(*label);
    } else if (event->type() == QEvent::KeyRelease && toucheSur_ == label) {
      toucheSur_ = nullptr;
      outilRelache(*label, true);
    }
    return true;
  } else if (event->type() == QEvent::FocusOut && toucheSur_ == label) {
    toucheSur_ = nullptr;
    outilRelache(*label, false);
  }
  return QWidget::eventFilter(watched, event);
}

void FrmProf::outilEnfonce(QWidget& label) {
  if (label.objectName() != "LblInfosDisque") return;
  frmInfosDisque_->afficher(programme_.dossier(), programme_.volumes().infos(programme_.dossier()));
  frmInfosDisque_->move(mapFromGlobal(label.mapToGlobal(QPoint(0, -frmInfosDisque_->height()))));
}

void FrmProf::outilRelache(QWidget& label, bool surLeLien) {
  const QString name = label.objectName();
  if (name == "LblInfosDisque") {
    frmInfosDisque_->hide();
  } else if (name == "LblSecurite" && surLeLien) {
    FrmSecu(programme_.reglages(), this).exec();
  } else if (name == "LblAPropos" && surLeLien) {
    FrmAPropos(pictures_.image("Eleve"), this).exec();
  }
}

bool FrmProf::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Form_Activate();
  return QWidget::event(event);
}

void FrmProf::paintEvent(QPaintEvent*) {
  GradientBackground::paint(*this, QColor(128, 128, 128), QColor(128, 128, 255));
}

void FrmProf::closeEvent(QCloseEvent* event) {
  if (zoneFiches_->isVisible() && !zoneFiches_->quitter()) event->ignore();
}

void FrmProf::afficherNbFiches() {
  lblNbFiches_->setText(QString::number(programme_.base().NbFiches()));
}

// The zones take the place of the options while they are open.
void FrmProf::montrerZone(QWidget* zone, bool visible) {
  zone->setVisible(visible);
  const bool options = !zoneFiches_->isVisible() && !zoneSuppression_->isVisible();
  for (QGroupBox* box : boitesOptions_) box->setVisible(options);
  ajusterAEcran();
}

// As tall as its content, but never taller than the screen it is on: the rest scrolls.
void FrmProf::ajusterAEcran() {
  layout()->activate();
  const QMargins marges = layout()->contentsMargins();
  const QSize voulue(kLargeur, marges.top() + contenu_->sizeHint().height() + layout()->spacing() +
                                   bas_->sizeHint().height() + marges.bottom());
  resize(Fenetre::tailleDansEcran(*this, voulue));
  if (isVisible()) Fenetre::garderDansEcran(*this);
}

// One results window at a time: a second click brings it back.
void FrmProf::BtnResultats_Click() {
  if (!frmResultats_) {
    frmResultats_ = new FrmResultats(programme_, this);
    frmResultats_->show();
  }
  frmResultats_->relire();
  frmResultats_->raise();
  frmResultats_->activateWindow();
}

void FrmProf::CmdAjout_Click() {
  if (zoneFiches_->isVisible()) {
    if (zoneFiches_->quitter()) montrerZone(zoneFiches_, false);
    return;
  }
  if (!zoneFiches_->ouvrir()) return;
  montrerZone(zoneSuppression_, false);
  montrerZone(zoneFiches_, true);
}

void FrmProf::CmdSuppr_Click() {
  if (zoneSuppression_->isVisible()) {
    montrerZone(zoneSuppression_, false);
    return;
  }
  // A pending card is settled first, so that the list shows it as saved.
  if (zoneFiches_->isVisible() && !zoneFiches_->quitter()) return;
  if (!zoneSuppression_->ouvrir()) return;
  montrerZone(zoneFiches_, false);
  montrerZone(zoneSuppression_, true);
}

void FrmProf::Form_Activate() {
  afficherNbFiches();
  // The welcome box itself hands the activation back when it closes.
  if (accueilEnCours_) return;
  Reglages& reglages = programme_.reglages();
  if (!reglages.booleen(kSectionParametres, "DejaVu", false)) {
    accueilEnCours_ = true;
    QMessageBox welcome(QMessageBox::NoIcon, "Bienvenue", welcomeText(), QMessageBox::Ok, this);
    welcome.exec();
    accueilEnCours_ = false;
  }
  reglages.ecrireBooleen(kSectionParametres, "DejaVu", true);
}

void FrmProf::Command1_Click() {
  if (zoneFiches_->isVisible() && !zoneFiches_->quitter()) return;
  OptionsEleve chosen = options();
  const bool ecrit = chosen.ecrire(programme_.reglages());
  afficherOptions(chosen);
  programme_.options() = chosen;
  if (!ecrit) {
    FrenchMessageBox::avertir(
        this, "Attention",
        QString::fromUtf8(Reglages::kNonEnregistres.data(), Reglages::kNonEnregistres.size()));
  }
  afficherOptions(chosen);
  hide();
}

}  // namespace sylvenor
