#include "browse/Form4.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "app/Fenetre.h"
#include "app/FrmTemp.h"
#include "app/GradientBackground.h"
#include "app/PictureButton.h"
#include "app/Programme.h"
#include "browse/FrmImageAide.h"
#include "browse/ListeNavigateur.h"
#include "platform/PictureLoader.h"
#include "platform/Twips.h"
#include "species/ImagesEspece.h"
#include "species/SpeciesCodes.h"

namespace sylvenor {
namespace {

// Design measures, in twips: the choice and the list on the left, the species on the right.
constexpr int kLargeur = 11040;
constexpr int kHauteur = 8760;
constexpr int kGauche = 240;
constexpr int kLargeurGauche = 3600;
constexpr int kDroite = 4200;
constexpr int kLargeurDroite = 6720;
constexpr int kHautPhoto = 960;
constexpr int kLargeurPhoto = 4890;  // a 320 by 240 photograph and the frame around it
constexpr int kHauteurPhoto = 3690;
constexpr int kHauteurLigne = 330;

constexpr std::array<const char*, 3> kTypes = {"Tous les êtres vivants", "Tous les animaux",
                                               "Tous les végétaux"};

}  // namespace

Form4::Form4(Programme& programme, const FrmTemp& images, std::function<void(std::int16_t)> classer,
             QWidget* parent)
    : QWidget(parent, Qt::Window), programme_(programme), classer_(std::move(classer)) {
  setObjectName("Form4");
  setWindowTitle("Fichier du Vivant");
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(twips(kLargeur), twips(kHauteur));
  auto* titre =
      Fenetre::etiquette("Lbl1", "Fichier du Vivant", rectTwips(kGauche, 120, 7200, 600), this);
  titre->setStyleSheet("font-size: 16pt; font-weight: bold;");
  construireChoix();
  construireFiche(images);
  construireBoutons(images);
  rafraichir();
}

void Form4::construireChoix() {
  Fenetre::etiquette("Label2", "Je veux voir...",
                     rectTwips(kGauche, kHautPhoto, kLargeurGauche, kHauteurLigne), this);
  optType_ = new QButtonGroup(this);
  for (int i = 0; i < static_cast<int>(kTypes.size()); ++i) {
    auto* option = new QRadioButton(QString::fromUtf8(kTypes[static_cast<std::size_t>(i)]), this);
    option->setObjectName(QString("OptType(%1)").arg(i));
    option->setGeometry(rectTwips(kGauche + 120, 1320 + i * 360, kLargeurGauche - 120, 330));
    optType_->addButton(option, i);
  }
  optType_->button(ListeNavigateur::kTous)->setChecked(true);
  Fenetre::tabulerSurLeChoix(optType_->buttons());
  connect(optType_, &QButtonGroup::idClicked, this, &Form4::rafraichir);

  listEsp_ = new QListWidget(this);
  listEsp_->setObjectName("ListEsp");
  listEsp_->setAccessibleName("Liste des êtres vivants");
  listEsp_->setSelectionMode(QAbstractItemView::SingleSelection);
  // The names keep their blank padding: only the blanks would ever scroll into view.
  listEsp_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  listEsp_->setTextElideMode(Qt::ElideNone);
  listEsp_->setGeometry(rectTwips(kGauche, 2520, kLargeurGauche, 5400));
  connect(listEsp_, &QListWidget::itemSelectionChanged, this, &Form4::ListEsp_Click);
  lblNbEsp_ = Fenetre::etiquette("LblNbEsp", "Nombre d'espèces:",
                                 rectTwips(kGauche, 8040, kLargeurGauche, kHauteurLigne), this);
}

void Form4::construireFiche(const FrmTemp& images) {
  imgEspece_ = Fenetre::etiquette(
      "ImgEspece", "", rectTwips(kDroite, kHautPhoto, kLargeurPhoto, kHauteurPhoto), this);
  imgEspece_->setFrameShape(QFrame::Panel);
  imgEspece_->setFrameShadow(QFrame::Sunken);
  imgEspece_->setAlignment(Qt::AlignCenter);
  icoLoupe_ = new PictureButton("IcoLoupe", images.image("Loupe"), "Voir la photo en grand", this);
  icoLoupe_->setGeometry(
      rectTwips(kDroite + kLargeurPhoto + 240, kHautPhoto + kHauteurPhoto - 780, 780, 780));
  connect(static_cast<QAbstractButton*>(icoLoupe_), &QAbstractButton::clicked, this,
          &Form4::IcoLoupe_Click);

  lblNom_ = Fenetre::etiquette("LblNom", "", rectTwips(kDroite, 4740, kLargeurDroite, 360), this);
  lblNom_->setStyleSheet("font-weight: bold;");
  lblGroupe_ =
      Fenetre::etiquette("LblGroupe", "", rectTwips(kDroite, 5100, kLargeurDroite, 360), this);
  lblGroupe_->setStyleSheet("font-weight: bold; color: #00308f;");

  auto* frame2 = new QGroupBox("Informations", this);
  frame2->setObjectName("Frame2");
  frame2->setGeometry(rectTwips(kDroite, 5520, kLargeurDroite, 2400));
  for (std::size_t i = 0; i < lblInfo_.size(); ++i) {
    const int top = 300 + static_cast<int>(i) * 345;
    lblInfo_[i] =
        Fenetre::etiquette(QString("LblInfo(%1)").arg(i), "*",
                           rectTwips(120, top, kLargeurDroite - 240, kHauteurLigne), frame2);
  }
}

void Form4::construireBoutons(const FrmTemp& images) {
  btnGo_ = new QPushButton("Cliquer ici pour classer cet être vivant", this);
  btnGo_->setObjectName("BtnGo");
  btnGo_->setGeometry(rectTwips(kDroite, 8040, kLargeurDroite, 540));
  connect(btnGo_, &QPushButton::clicked, this, &Form4::BtnGo_Click);
  auto* quit = new PictureButton("BtnQuit", images.image("QuitterSamuon"),
                                 "Fermer le Fichier du Vivant", this);
  quit->setGeometry(rectTwips(kDroite + kLargeurPhoto + 240, kHautPhoto, 1620, 1620));
  connect(quit, &QAbstractButton::clicked, this, &Form4::BtnQuit_Click);
  // From the keyboard: Enter in the list classifies the species chosen, Escape closes the
  // browser. Not through item activation, which a single click gives on some desktops.
  for (const auto touche : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* entree = new QShortcut(touche, listEsp_);
    entree->setContext(Qt::WidgetShortcut);
    connect(entree, &QShortcut::activated, this, [this] {
      if (btnGo_->isEnabled() && btnGo_->isVisible()) BtnGo_Click();
    });
  }
  connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
          &Form4::BtnQuit_Click);
}

void Form4::afficherGroupe(const QString& phrase) { lblGroupe_->setText(phrase); }

void Form4::rafraichir() {
  const std::optional<Choix> avant = affiche_;
  remplir();
  if (avant && reselectionner(*avant)) {
    afficher(*avant);
  } else {
    effacer();
  }
}

// The teacher may have changed the base since the browser was last on screen.
void Form4::showEvent(QShowEvent* event) {
  rafraichir();
  QWidget::showEvent(event);
}

void Form4::paintEvent(QPaintEvent*) {
  GradientBackground::paint(*this, QColor(236, 246, 222), QColor(178, 218, 160));
}

int Form4::typeChoisi() const {
  const int id = optType_->checkedId();
  return id < 0 ? ListeNavigateur::kTous : id;
}

void Form4::remplir() {
  const QSignalBlocker silence(listEsp_);
  listEsp_->clear();
  const auto liste = ListeNavigateur::construire(programme_.base(), typeChoisi());
  for (const EspeceListee& espece : liste) {
    auto* item = new QListWidgetItem(QString::fromStdString(espece.nom), listEsp_);
    item->setData(Qt::UserRole, espece.numero);
  }
  lblNbEsp_->setText(QString::number(liste.size()) + " espèces trouvées.");
}

bool Form4::reselectionner(const Choix& choix) {
  const QString nom = QString::fromStdString(choix.nom);
  for (int row = 0; row < listEsp_->count(); ++row) {
    QListWidgetItem* item = listEsp_->item(row);
    if (item->data(Qt::UserRole).toInt() != choix.numero || item->text() != nom) continue;
    const QSignalBlocker silence(listEsp_);
    listEsp_->setCurrentItem(item);
    listEsp_->scrollToItem(item);
    return true;
  }
  return false;
}

std::optional<Form4::Choix> Form4::choixDeLaListe() const {
  const QList<QListWidgetItem*> selection = listEsp_->selectedItems();
  if (selection.isEmpty()) return std::nullopt;
  const QListWidgetItem* item = selection.first();
  return Choix{static_cast<std::int16_t>(item->data(Qt::UserRole).toInt()),
               item->text().toStdString()};
}

bool Form4::toujoursDansLaBase(const Choix& choix) const {
  const BaseEspeces& base = programme_.base();
  if (choix.numero < 1 || choix.numero > base.NbFiches()) return false;
  const FicheEspece& fiche = base.fiche(choix.numero);
  return fiche.Nom == choix.nom && ListeNavigateur::retenue(fiche, typeChoisi());
}

// The species on screen, unless the base has lost or changed it since: the list is then
// rebuilt and nothing is chosen.
std::optional<Form4::Choix> Form4::choixValide() {
  if (affiche_ && toujoursDansLaBase(*affiche_)) return affiche_;
  rafraichir();
  return std::nullopt;
}

void Form4::ListEsp_Click() {
  const std::optional<Choix> choix = choixDeLaListe();
  if (choix && toujoursDansLaBase(*choix)) {
    lblGroupe_->clear();
    afficher(*choix);
    return;
  }
  effacer();
  // A list older than the base: it is rebuilt once the list has finished this selection.
  if (choix) QMetaObject::invokeMethod(this, &Form4::rafraichir, Qt::QueuedConnection);
}

void Form4::afficher(const Choix& choix) {
  affiche_ = choix;
  const FicheEspece& fiche = programme_.base().fiche(choix.numero);
  afficherPhoto(choix.numero);
  const bool agrandie =
      programme_.fichiers().exists(ImagesEspece::photoAgrandie(programme_.dossier(), choix.numero));
  icoLoupe_->setVisible(agrandie);
  icoLoupe_->setEnabled(agrandie);
  lblNom_->setText("  " + QString::fromStdString(fiche.Nom));
  const RubriquesFiche& entetes = rubriques(fiche.Vegetal);
  for (std::size_t i = 0; i < lblInfo_.size(); ++i) {
    lblInfo_[i]->setText(
        QString::fromUtf8(entetes[i].data(), static_cast<qsizetype>(entetes[i].size())) +
        QString::fromStdString(fiche.Info[i]));
  }
  btnGo_->setEnabled(true);
}

// The species' own photograph, else the placeholder, else an empty picture.
void Form4::afficherPhoto(std::int16_t numero) {
  imgEspece_->setPixmap(PictureLoader::pourAffichage(
      ImagesEspece::photo(programme_.dossier(), numero), imgEspece_->contentsRect().size(),
      devicePixelRatioF(), ImagesEspece::photo(programme_.dossier(), 0)));
}

void Form4::effacer() {
  affiche_.reset();
  imgEspece_->clear();
  lblNom_->clear();
  lblGroupe_->clear();
  for (QLabel* info : lblInfo_) info->setText("*");
  icoLoupe_->hide();
  icoLoupe_->setEnabled(false);
  btnGo_->setEnabled(false);
}

void Form4::IcoLoupe_Click() {
  const std::optional<Choix> choix = choixValide();
  if (!choix) return;
  FrmImageAide viewer(this);
  viewer.setLegende("");
  viewer.chargerImage(ImagesEspece::photoAgrandie(programme_.dossier(), choix->numero),
                      ImagesEspece::photo(programme_.dossier(), 0));
  viewer.setTag(QString::fromStdString(choix->nom));
  viewer.exec();
}

void Form4::BtnGo_Click() {
  const std::optional<Choix> choix = choixValide();
  if (choix && classer_) classer_(choix->numero);
}

void Form4::BtnQuit_Click() { close(); }

}  // namespace sylvenor
