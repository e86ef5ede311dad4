// Longer than most files: the editor's controls and the editing states that every one of them
// moves through (idle, modified, new, and the questions between them) are one flow, read best
// together.
#include "teacher/ZoneFiches.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "app/Fenetre.h"
#include "app/FrenchMessageBox.h"
#include "app/FrmTemp.h"
#include "app/MessageErreurFichier.h"
#include "app/PictureButton.h"
#include "app/Programme.h"
#include "species/RecordCodec.h"
#include "species/SpeciesCodes.h"
#include "teacher/ListeDeroulante.h"
#include "teacher/ZonePhotos.h"

namespace sylvenor {
namespace {

// Red on the screen's grey would hardly read: warnings sit on a pale badge.
constexpr const char* kAvertissement =
    "color: #a00000; background: #fff3c4; font-weight: bold; padding: 1px 4px;";

const QString kModifEnCours =
    "Une modification est en cours\nVoulez-vous enregistrer ces modifications ?";
const QString kFautIlEnregistrer = "Faut-il enregistrer les modifications en cours ?";
const QString kTitreEnCours = "Attention: modifications en cours";

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString messageFichier(FileError erreur) {
  return fromUtf8(MessageErreurFichier::texte(
      erreur, {"Les fichiers ne peuvent être modifiés sur ce support.\nTraitement interrompu.",
               "Fichiers en lecture seule.\nTraitement impossible."}));
}

void choisir(QButtonGroup* group, int id) {
  // An exclusive group cannot be emptied one button at a time.
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(group->id(button) == id);
  group->setExclusive(true);
}

}  // namespace

ZoneFiches::ZoneFiches(Programme& programme, const FrmTemp& pictures,
                       std::function<void()> compteChange, std::function<void()> fermer,
                       QWidget* parent)
    : QWidget(parent),
      programme_(programme),
      pictures_(pictures),
      editeur_(programme.base()),
      compteChange_(std::move(compteChange)),
      fermer_(std::move(fermer)) {
  setObjectName("FrmAjout");
  // Built first, so that Tab goes from the card number down to the fields.
  QWidget* entete = construireEntete();
  saisieZone_ = new QWidget(this);
  auto* fields = new QHBoxLayout(saisieZone_);
  fields->setContentsMargins(0, 0, 0, 0);
  fields->addWidget(construireGroupes());
  fields->addWidget(construireLignes(), 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(entete);
  layout->addWidget(saisieZone_);
  layout->addWidget(construireBoutons(pictures));
  hide();
}

QWidget* ZoneFiches::construireEntete() {
  auto* header = new QWidget(this);
  auto* layout = new QGridLayout(header);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* title = new QLabel("Modifier les fiches de la base", header);
  title->setStyleSheet("font-weight: bold; font-size: 12pt;");
  lblNumFiche_ = new QLabel("000", header);
  lblNumFiche_->setObjectName("LblNumFiche");
  lblNumFiche_->setStyleSheet("font-weight: bold; font-size: 14pt;");
  scroll_ = new QScrollBar(Qt::Horizontal, header);
  scroll_->setObjectName("Scroll");
  scroll_->setTracking(false);
  scroll_->setFocusPolicy(Qt::StrongFocus);
  scroll_->setRange(0, 0);
  connect(scroll_, &QScrollBar::sliderMoved, this,
          [this](int position) { afficherNumero(static_cast<std::int16_t>(position)); });
  connect(scroll_, &QScrollBar::valueChanged, this, &ZoneFiches::Scroll_Change);
  auto* btnCombo = new QToolButton(header);
  btnCombo->setObjectName("BtnCombo");
  btnCombo->setText("+");
  btnCombo->setToolTip("Choisir une fiche dans la liste");
  btnCombo->setAccessibleName("Choisir une fiche dans la liste");
  cmbListeEsp_ = new ListeDeroulante(header);
  cmbListeEsp_->setObjectName("CmbListeEsp");
  connect(btnCombo, &QToolButton::clicked, cmbListeEsp_, &ListeDeroulante::ouvrir);
  connect(cmbListeEsp_, &QComboBox::activated, this, &ZoneFiches::CmbListeEsp_Click);
  layout->addWidget(title, 0, 0, 1, 4);
  layout->addWidget(lblNumFiche_, 1, 0);
  layout->addWidget(scroll_, 1, 1);
  layout->addWidget(btnCombo, 1, 2);
  layout->addWidget(cmbListeEsp_, 1, 3);
  layout->setColumnStretch(1, 1);
  return header;
}

// One exclusive option per code, laid out in columns of `rows`; a click keeps the code in `spy`.
QButtonGroup* ZoneFiches::choix(const QString& prefix, int count, int rows, std::int16_t& spy,
                                QGroupBox* box, const std::function<QString(int)>& caption) {
  auto* group = new QButtonGroup(this);
  auto* grid = new QGridLayout(box);
  for (int k = 0; k < count; ++k) {
    auto* button = new QRadioButton(caption(k), box);
    button->setObjectName(QString("%1(%2)").arg(prefix).arg(k));
    group->addButton(button, k);
    grid->addWidget(button, k % rows, k / rows);
  }
  Fenetre::tabulerSurLeChoix(group->buttons());
  connect(group, &QButtonGroup::idClicked, this, [this, &spy](int id) {
    spy = static_cast<std::int16_t>(id);
    Modif_EnCours();
  });
  return group;
}

QWidget* ZoneFiches::construireGroupes() {
  auto* column = new QWidget(saisieZone_);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel("Nom de l'espèce:", column));
  txtNomEspece_ = new QLineEdit(column);
  txtNomEspece_->setObjectName("TxtNomEspece");
  // What does not fit the file is refused while typing, never cut after the confirmation.
  txtNomEspece_->setMaxLength(static_cast<int>(RecordCodec::kTailleNom));
  connect(txtNomEspece_, &QLineEdit::textEdited, this, &ZoneFiches::Modif_EnCours);
  layout->addWidget(txtNomEspece_);

  auto* regnes = new QWidget(column);
  auto* regnesLayout = new QHBoxLayout(regnes);
  regnesLayout->setContentsMargins(0, 0, 0, 0);
  optAnimal_ = new QRadioButton("Animal", regnes);
  optAnimal_->setObjectName("OptAnimal");
  optVegetal_ = new QRadioButton("Végétal", regnes);
  optVegetal_->setObjectName("OptVegetal");
  connect(optAnimal_, &QRadioButton::clicked, this, [this] { OptRegne_Click(true); });
  connect(optVegetal_, &QRadioButton::clicked, this, [this] { OptRegne_Click(false); });
  regnesLayout->addWidget(optAnimal_);
  regnesLayout->addWidget(optVegetal_);
  Fenetre::tabulerSurLeChoix({optAnimal_, optVegetal_});
  layout->addWidget(regnes);

  boxAnimal_ = new QGroupBox("Animal", column);
  boxAnimal_->setObjectName("BoxAnimal");
  optAnim_ = choix("OptAnim", kNbGroupesAnimaux, 7, spyAnim_, boxAnimal_, [](int k) {
    return fromUtf8(*nomGroupe(kAnimal, static_cast<std::int16_t>(k)));
  });
  boxVegetal_ = new QGroupBox("Végétal", column);
  boxVegetal_->setObjectName("BoxVegetal");
  optVeget_ =
      choix("OptVeget", kNbGroupesVegetaux, kNbGroupesVegetaux, spyVeget_, boxVegetal_,
            [](int k) { return fromUtf8(*nomGroupe(kVegetal, static_cast<std::int16_t>(k))); });
  layout->addWidget(boxAnimal_);
  layout->addWidget(boxVegetal_);

  auto* repartition = new QGroupBox("Répartition", column);
  optRepartition_ =
      choix("OptRepartition", kNbRepartitions, 2, spyRepartition_, repartition,
            [](int k) { return fromUtf8(*nomRepartition(static_cast<std::int16_t>(k))); });
  layout->addWidget(repartition);
  layout->addStretch();
  return column;
}

QWidget* ZoneFiches::construireLignes() {
  auto* column = new QWidget(saisieZone_);
  auto* layout = new QGridLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  photos_ = new ZonePhotos(
      programme_,
      [this](FileError erreur) {
        FrenchMessageBox::avertir(this, "Attention", messageFichier(erreur));
      },
      column);
  layout->addWidget(photos_, 0, 0, 1, 2);
  auto* attention = new QLabel("Attention: 35 caractères maximum par ligne !", column);
  attention->setStyleSheet(kAvertissement);
  layout->addWidget(attention, 1, 0, 1, 2);
  for (std::size_t k = 0; k < txtInfo_.size(); ++k) {
    lblInfo_[k] = new QLabel(QString::fromUtf8(kLibellesAnimal[k].data()), column);
    lblInfo_[k]->setObjectName(QString("LblInfo(%1)").arg(k));
    txtInfo_[k] = new QLineEdit(column);
    txtInfo_[k]->setObjectName(QString("TxtInfo(%1)").arg(k));
    txtInfo_[k]->setMaxLength(static_cast<int>(RecordCodec::kTailleLigne));
    txtInfo_[k]->installEventFilter(this);
    connect(txtInfo_[k], &QLineEdit::textEdited, this, &ZoneFiches::Modif_EnCours);
    layout->addWidget(lblInfo_[k], static_cast<int>(k) + 2, 0);
    layout->addWidget(txtInfo_[k], static_cast<int>(k) + 2, 1);
  }
  layout->setRowStretch(8, 1);
  return column;
}

QWidget* ZoneFiches::construireBoutons(const FrmTemp& pictures) {
  auto* bar = new QWidget(this);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(0, 0, 0, 0);
  spyEnreg_ = new QLabel("Modif en cours", bar);
  spyEnreg_->setObjectName("SpyEnreg");
  spyNew_ = new QLabel("Nouvelle fiche", bar);
  spyNew_->setObjectName("SpyNew");
  for (QLabel* spy : {spyEnreg_, spyNew_}) {
    spy->setStyleSheet(kAvertissement);
    // A badge as tall as its text, not as the buttons beside it.
    spy->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    spy->hide();
  }
  btnNouveau_ =
      new PictureButton("BtnNouveau", pictures.image("Nouveau"), "Ajouter une fiche", bar);
  btnEnreg_ =
      new PictureButton("BtnEnreg", pictures.image("Enregistrer"), "Enregistrer dans la base", bar);
  btnDetruire_ =
      new PictureButton("BtnDetruire", pictures.image("Detruire"), "Détruire cette fiche", bar);
  btnDetruire_->hide();
  auto* importer =
      new PictureButton("BtnImporter", pictures.image("Importer"), "Importer des fiches", bar);
  auto* exporter =
      new PictureButton("BtnExporter", pictures.image("Exporter"), "Exporter des fiches", bar);
  connect(importer, &QToolButton::clicked, this,
          [this] { echanger(FrmImporterFiches::Mode::Importer); });
  connect(exporter, &QToolButton::clicked, this,
          [this] { echanger(FrmImporterFiches::Mode::Exporter); });
  auto* fermer =
      new PictureButton("BtnFermerAjout", pictures.image("Fermer"), "Fermer cette zone", bar);
  connect(btnNouveau_, &QToolButton::clicked, this, &ZoneFiches::BtnNouveau_Click);
  connect(btnEnreg_, &QToolButton::clicked, this, &ZoneFiches::BtnEnreg_Click);
  connect(btnDetruire_, &QToolButton::clicked, this, &ZoneFiches::BtnDetruire_Click);
  connect(fermer, &QToolButton::clicked, this, &ZoneFiches::BtnFermerAjout_Click);
  layout->addWidget(spyEnreg_);
  layout->addWidget(spyNew_);
  layout->addStretch();
  for (QWidget* button : std::initializer_list<QWidget*>{btnNouveau_, btnEnreg_, btnDetruire_,
                                                         importer, exporter, fermer}) {
    layout->addWidget(button);
  }
  return bar;
}

bool ZoneFiches::ouvrir() {
  const FileError erreur =
      programme_.fichiers().makeWritable(BaseEspeces::cheminBase(programme_.dossier()));
  if (erreur != FileError::Aucune) {
    inutilisable_ = true;
    btnNouveau_->setEnabled(false);
    btnEnreg_->setEnabled(false);
    FrenchMessageBox::avertir(
        this, "Attention",
        messageFichier(erreur) +
            "\n\nLa modification et l'ajout de nouvelles fiches est impossible.");
    return false;
  }
  remplirListe();
  const std::int16_t last = programme_.base().NbFiches();
  placerScroll(last);
  LireFiche(last);
  return true;
}

// A pending edit is settled first: an import appends after the last card.
void ZoneFiches::echanger(FrmImporterFiches::Mode mode) {
  if (!quitter()) return;
  FrmImporterFiches(programme_, pictures_, mode, this).exec();
  if (mode == FrmImporterFiches::Mode::Exporter) return;
  compteChange_();
  remplirListe();
  const std::int16_t last = programme_.base().NbFiches();
  placerScroll(last);
  LireFiche(last);
}

bool ZoneFiches::quitter() {
  if (!editeur_.enCours()) return true;
  if (!regler(kFautIlEnregistrer, kTitreEnCours)) return false;
  placerScroll(editeur_.numero());
  LireFiche(editeur_.numero());
  return true;
}

bool ZoneFiches::eventFilter(QObject* watched, QEvent* event) {
  auto* line = qobject_cast<QLineEdit*>(watched);
  // Focus coming back with the window is not the teacher entering the line.
  const bool entered = event->type() == QEvent::FocusIn &&
                       static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
                       static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
  if (line != nullptr && entered) {
    if (line->text() == "?") line->clear();
    Modif_EnCours();
  }
  return QWidget::eventFilter(watched, event);
}

void ZoneFiches::LireFiche(std::int16_t n) {
  editeur_.montrer(n);
  const std::int16_t shown = editeur_.numero();
  // An empty base has no card to show, only the way to add one.
  afficherSaisie(shown >= 1 ? SaisieFiche::depuis(programme_.base().fiche(shown)) : SaisieFiche{});
  saisieZone_->setEnabled(shown >= 1);
  btnEnreg_->setEnabled(shown >= 1 && !inutilisable_);
  afficherNumero(shown);
  photos_->oublier();
  photos_->setModifiable(!inutilisable_);
  photos_->montrer(shown, false);
  FinModif_EnCours();
}

void ZoneFiches::afficherSaisie(const SaisieFiche& saisie) {
  txtNomEspece_->setText(QString::fromStdString(saisie.nom));
  optAnimal_->setChecked(saisie.animal);
  optVegetal_->setChecked(!saisie.animal);
  afficherRegne(saisie.animal);
  spyAnim_ = saisie.spyAnim;
  spyVeget_ = saisie.spyVeget;
  spyRepartition_ = saisie.spyRepartition;
  choisir(optAnim_, spyAnim_);
  choisir(optVeget_, spyVeget_);
  choisir(optRepartition_, spyRepartition_);
  for (std::size_t k = 0; k < txtInfo_.size(); ++k) {
    txtInfo_[k]->setText(QString::fromStdString(saisie.info[k]));
  }
}

SaisieFiche ZoneFiches::saisie() const {
  SaisieFiche saisie;
  saisie.nom = txtNomEspece_->text().toStdString();
  saisie.animal = optAnimal_->isChecked();
  saisie.spyAnim = spyAnim_;
  saisie.spyVeget = spyVeget_;
  saisie.spyRepartition = spyRepartition_;
  for (std::size_t k = 0; k < txtInfo_.size(); ++k)
    saisie.info[k] = txtInfo_[k]->text().toStdString();
  return saisie;
}

void ZoneFiches::afficherRegne(bool animal) {
  boxAnimal_->setVisible(animal);
  boxVegetal_->setVisible(!animal);
  for (std::size_t k = 0; k < lblInfo_.size(); ++k) {
    lblInfo_[k]->setText(QString::fromUtf8(libelles(animal ? kAnimal : kVegetal)[k].data()));
  }
}

void ZoneFiches::afficherNumero(std::int16_t n) {
  lblNumFiche_->setText(QString("%1").arg(n, 3, 10, QChar('0')));
}

void ZoneFiches::remplirListe() {
  cmbListeEsp_->clear();
  const BaseEspeces& base = programme_.base();
  for (std::int16_t n = 1; n <= base.NbFiches(); ++n) {
    cmbListeEsp_->addItem(QString(" %1- %2").arg(n).arg(QString::fromStdString(base.fiche(n).Nom)));
  }
}

void ZoneFiches::placerScroll(std::int16_t position) {
  const QSignalBlocker quiet(scroll_);
  const std::int16_t count = programme_.base().NbFiches();
  scroll_->setRange(count >= 1 ? 1 : 0, count);
  scroll_->setValue(position);
}

void ZoneFiches::Modif_EnCours() {
  editeur_.modifier();
  if (!editeur_.enCours()) return;
  spyEnreg_->show();
  scroll_->setEnabled(false);
}

void ZoneFiches::FinModif_EnCours() {
  spyEnreg_->hide();
  spyNew_->hide();
  btnDetruire_->hide();
  scroll_->setEnabled(programme_.base().NbFiches() >= 1);
  btnNouveau_->setEnabled(!inutilisable_);
}

// Answers the pending-modification question; false when the teacher stays on the card.
bool ZoneFiches::regler(const QString& question, const QString& title) {
  if (!editeur_.enCours()) return true;
  const auto answer = FrenchMessageBox::demander(
      this, title, question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
      QMessageBox::Warning);
  if (answer == QMessageBox::Yes) return ecrire();
  if (answer != QMessageBox::No) return false;
  editeur_.oublier();
  compteChange_();
  return true;
}

// Writes the card on screen to its own number, with the checks of a save.
bool ZoneFiches::ecrire() {
  const SaisieFiche card = saisie();
  if (refuser(card)) return false;
  const FileError erreur = editeur_.enregistrer(card, programme_.fichiers(), programme_.dossier());
  if (erreur == FileError::ChangeeAilleurs) {
    relire();
    FrenchMessageBox::avertir(this, "Attention", messageFichier(erreur));
    return false;
  }
  if (erreur != FileError::Aucune) {
    FrenchMessageBox::avertir(this, "Attention", messageFichier(erreur));
    return false;
  }
  // The card is saved whatever happens to its pictures; the teacher is told of any that failed.
  const FileError photos = photos_->enregistrer(editeur_.numero());
  if (photos != FileError::Aucune)
    FrenchMessageBox::avertir(this, "Attention", messageFichier(photos));
  compteChange_();
  remplirListe();
  return true;
}

// Another copy of the program changed the cards: the zone shows them as they are now.
void ZoneFiches::relire() {
  programme_.relireBase();
  editeur_.relue();
  compteChange_();
  remplirListe();
  placerScroll(editeur_.numero());
  LireFiche(editeur_.numero());
}

void ZoneFiches::Scroll_Change(int position) {
  if (position != editeur_.numero()) LireFiche(static_cast<std::int16_t>(position));
}

void ZoneFiches::CmbListeEsp_Click(int index) {
  if (!regler(kModifEnCours, "Attention")) return;
  const auto chosen = static_cast<std::int16_t>(index + 1);
  placerScroll(chosen);
  LireFiche(chosen);
}

void ZoneFiches::OptRegne_Click(bool animal) {
  Modif_EnCours();
  afficherRegne(animal);
}

void ZoneFiches::BtnNouveau_Click() {
  if (!regler(kFautIlEnregistrer, kTitreEnCours)) return;
  if (!editeur_.nouvelle()) {
    LireFiche(editeur_.numero());
    FrenchMessageBox::avertir(
        this, "Attention",
        QString("La base est pleine : elle ne peut pas contenir plus de %1 fiches.\n"
                "Supprimez des espèces avant d'en ajouter de nouvelles.")
            .arg(BaseEspeces::kCapacite));
    return;
  }
  const std::int16_t n = editeur_.numero();
  afficherSaisie(SaisieFiche::vierge());
  saisieZone_->setEnabled(true);
  btnEnreg_->setEnabled(!inutilisable_);
  FinModif_EnCours();
  compteChange_();
  placerScroll(n);
  afficherNumero(n);
  photos_->montrer(n, true);
  btnDetruire_->show();
  Modif_EnCours();
  spyNew_->show();
  btnNouveau_->setEnabled(false);
}

void ZoneFiches::BtnDetruire_Click() {
  editeur_.oublier();
  compteChange_();
  const std::int16_t last = programme_.base().NbFiches();
  placerScroll(last);
  LireFiche(last);
}

bool ZoneFiches::refuser(const SaisieFiche& card) {
  const auto refus = card.refus();
  if (refus) FrenchMessageBox::avertir(this, "Attention", fromUtf8(*refus));
  return refus.has_value();
}

void ZoneFiches::BtnEnreg_Click() {
  if (refuser(saisie())) return;
  const auto answer = FrenchMessageBox::demander(
      this, QString("Fiche n°%1").arg(editeur_.numero()),
      "Voulez-vous enregistrer la fiche actuelle: " + txtNomEspece_->text(),
      QMessageBox::Yes | QMessageBox::No);
  if (answer != QMessageBox::Yes || !ecrire()) return;
  // What the base now holds, lines cut to their width.
  LireFiche(editeur_.numero());
}

void ZoneFiches::BtnFermerAjout_Click() {
  if (!quitter()) return;
  compteChange_();
  fermer_();
}

}  // namespace sylvenor
