#include "teacher/FrmImporterFiches.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>

#include "app/Fenetre.h"
#include "app/FrenchMessageBox.h"
#include "app/FrmTemp.h"
#include "app/Programme.h"
#include "platform/Lecteurs.h"

namespace sylvenor {
namespace {

constexpr int kLargeurBarre = 400;  // pixels

QString texte(const std::string& utf8) { return QString::fromStdString(utf8); }

QPushButton* bouton(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  // Enter in the folder tree or the list must not tick cards or start a transfer.
  button->setAutoDefault(false);
  return button;
}

}  // namespace

FrmImporterFiches::FrmImporterFiches(Programme& programme, const FrmTemp& images, Mode mode,
                                     QWidget* parent)
    : QDialog(parent), programme_(programme), mode_(mode) {
  setObjectName("FrmImporterFiches");
  setWindowTitle(mode == Mode::Importer ? "Importer des fiches" : "Exporter des fiches");
  construireChoix();
  construireListe(images);
  Form_Load();
}

FrmImporterFiches::~FrmImporterFiches() = default;

void FrmImporterFiches::construireChoix() {
  auto* grille = new QGridLayout(this);
  label1_ = Fenetre::etiquette("Label1", {}, this);
  grille->addWidget(label1_, 0, 0, 1, 2);
  drive1_ = new QComboBox(this);
  drive1_->setObjectName("Drive1");
  drive1_->setAccessibleName("Lecteur");
  drive1_->addItems(Lecteurs::racines());
  grille->addWidget(drive1_, 1, 0);
  dossiers_ = new QFileSystemModel(this);
  dossiers_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  dossiers_->setRootPath(drive1_->currentText());
  dir1_ = new QTreeView(this);
  dir1_->setObjectName("Dir1");
  dir1_->setAccessibleName("Dossier");
  dir1_->setModel(dossiers_);
  for (int colonne = 1; colonne < dossiers_->columnCount(); ++colonne) dir1_->hideColumn(colonne);
  dir1_->setHeaderHidden(true);
  dir1_->setRootIndex(dossiers_->index(drive1_->currentText()));
  dir1_->setMinimumSize(280, 320);
  grille->addWidget(dir1_, 2, 0, 3, 1);
  connect(drive1_, &QComboBox::currentIndexChanged, this, &FrmImporterFiches::Drive1_Change);
  connect(dir1_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &FrmImporterFiches::Dir1_Change);
}

void FrmImporterFiches::construireListe(const FrmTemp& images) {
  auto* grille = static_cast<QGridLayout*>(layout());
  lblImporter_ = Fenetre::etiquette("LblImporter", "Informations trouvées", this);
  lblNbFiches_ = Fenetre::etiquette("LblNbFiches", {}, this);
  grille->addWidget(lblImporter_, 1, 1);
  frame1_ = new QGroupBox(this);
  frame1_->setObjectName("Frame1");
  auto* contenu = new QGridLayout(frame1_);
  listEspeces_ = new QListWidget(frame1_);
  listEspeces_->setObjectName("ListEspeces");
  listEspeces_->setAccessibleName("Fiches");
  listEspeces_->setMinimumWidth(360);
  contenu->addWidget(listEspeces_, 0, 0, 1, 3);
  btnNewfiches_ = bouton("BtnNewfiches", "Sélectionner les &nouvelles fiches", frame1_);
  auto* tout = bouton("BtnSelectAll", "Tout &sélectionner", frame1_);
  auto* rien = bouton("BtnDeselectAll", "Tout &désélectionner", frame1_);
  contenu->addWidget(btnNewfiches_, 1, 0);
  contenu->addWidget(tout, 1, 1);
  contenu->addWidget(rien, 1, 2);
  grille->addWidget(frame1_, 2, 1);
  grille->addWidget(lblNbFiches_, 3, 1);

  auto* bas = new QHBoxLayout;
  imgImportExport_ = Fenetre::etiquette("ImgImportExport", {}, this);
  imgImportExport_->setPixmap(images.image("Exporter"));
  btnImportSelect_ = bouton("BtnImportSelect", {}, this);
  btnImportSelect_->setIcon(images.image(mode_ == Mode::Importer ? "Importer" : "Exporter"));
  shape1_ = new QFrame(this);
  shape1_->setObjectName("Shape1");
  shape1_->setFrameShape(QFrame::Box);
  shape1_->setFixedSize(kLargeurBarre + 2, 18);
  pourcent_ = new QFrame(shape1_);
  pourcent_->setObjectName("Pourcent");
  pourcent_->setStyleSheet("background: rgb(0, 0, 255);");
  pourcent_->setGeometry(1, 1, 0, 16);
  auto* quitter = bouton("Command1", "&Quitter", this);
  bas->addWidget(imgImportExport_);
  bas->addWidget(btnImportSelect_);
  bas->addWidget(shape1_);
  bas->addStretch();
  bas->addWidget(quitter);
  grille->addLayout(bas, 5, 0, 1, 2);
  connect(btnNewfiches_, &QPushButton::clicked, this, &FrmImporterFiches::BtnNewfiches_Click);
  connect(tout, &QPushButton::clicked, this, [this] { cocher(true); });
  connect(rien, &QPushButton::clicked, this, [this] { cocher(false); });
  connect(btnImportSelect_, &QPushButton::clicked, this, &FrmImporterFiches::BtnImportSelect_Click);
  connect(quitter, &QPushButton::clicked, this, &QDialog::accept);
}

void FrmImporterFiches::Form_Load() {
  const bool importer = mode_ == Mode::Importer;
  imgImportExport_->setVisible(!importer);
  btnNewfiches_->setVisible(importer);
  btnImportSelect_->setText(importer ? "Importer la sélection" : "Exporter la sélection");
  label1_->setText(importer ? "Indiquez le chemin source des fiches à importer"
                            : "Indiquez le chemin cible des fiches à exporter");
  lblImporter_->hide();
  frame1_->setVisible(!importer);
  if (importer) return;
  std::vector<std::string> libelles;
  const BaseEspeces& base = programme_.base();
  for (int i = 1; i <= base.NbFiches(); ++i) {
    libelles.push_back(PaquetFiches::libelle(i, base.fiche(i)));
  }
  remplirListe(libelles);
}

void FrmImporterFiches::remplirListe(const std::vector<std::string>& libelles) {
  listEspeces_->clear();
  for (const std::string& libelle : libelles) {
    auto* item = new QListWidgetItem(texte(libelle), listEspeces_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

void FrmImporterFiches::Drive1_Change(int index) {
  const QString racine = drive1_->itemText(index);
  dossiers_->setRootPath(racine);
  dir1_->setRootIndex(dossiers_->index(racine));
  dir1_->setCurrentIndex(dossiers_->index(racine));
}

std::filesystem::path FrmImporterFiches::dossierChoisi() const {
  const QModelIndex courant = dir1_->currentIndex();
  const QString chemin = courant.isValid() ? dossiers_->filePath(courant) : drive1_->currentText();
  return std::filesystem::path(chemin.toStdString());
}

void FrmImporterFiches::Dir1_Change() {
  if (mode_ == Mode::Importer) lirePaquet(dossierChoisi());
}

void FrmImporterFiches::lirePaquet(const std::filesystem::path& dossier) {
  const PaquetFiches::Lecture lecture = PaquetFiches::lire(programme_.fichiers(), dossier);
  frame1_->setVisible(lecture.trouve);
  lblImporter_->setVisible(lecture.trouve);
  cartes_ = lecture.cartes;
  dossierPaquet_ = dossier;
  if (!lecture.trouve) {
    lblNbFiches_->clear();
    return;
  }
  std::vector<std::string> libelles;
  for (const PaquetFiches::Carte& carte : cartes_) {
    libelles.push_back(PaquetFiches::libelle(carte.numero, carte.fiche));
  }
  remplirListe(libelles);
  lblNbFiches_->setText(QString::number(cartes_.size()) + " fiches à importer.");
  if (lecture.erreur != FileError::Aucune) {
    FrenchMessageBox::avertir(this, "Attention",
                              texte(TransfertFiches::messageErreur(lecture.erreur)));
  }
  if (lecture.tronque) {
    FrenchMessageBox::avertir(this, "Attention",
                              "Ce paquet est trop grand : seules ses " +
                                  QString::number(PaquetFiches::kMaxFiches) +
                                  " premières fiches sont lues.");
  }
  if (!lecture.refusees.empty()) {
    QStringList numeros;
    for (const int numero : lecture.refusees) numeros << QString::number(numero);
    FrenchMessageBox::avertir(this, "Attention",
                              "Ces fiches du paquet ne sont pas valables (une de leurs cases a un "
                              "code inconnu) : elles ne seront pas importées.\n" +
                                  numeros.join(", "));
  }
}

void FrmImporterFiches::BtnNewfiches_Click() {
  const std::vector<bool> nouvelles = TransfertFiches::nouvelles(cartes_, programme_.base());
  for (int i = 0; i < listEspeces_->count(); ++i) {
    if (nouvelles.at(static_cast<std::size_t>(i))) {
      listEspeces_->item(i)->setCheckState(Qt::Checked);
    }
  }
}

void FrmImporterFiches::cocher(bool coche) {
  for (int i = 0; i < listEspeces_->count(); ++i) {
    listEspeces_->item(i)->setCheckState(coche ? Qt::Checked : Qt::Unchecked);
  }
}

std::vector<int> FrmImporterFiches::cochees() const {
  std::vector<int> indices;
  for (int i = 0; i < listEspeces_->count(); ++i) {
    if (listEspeces_->item(i)->checkState() == Qt::Checked) indices.push_back(i);
  }
  return indices;
}

void FrmImporterFiches::remplirBarre(int largeur) {
  pourcent_->setFixedWidth(largeur);
  pourcent_->repaint();
}

void FrmImporterFiches::BtnImportSelect_Click() {
  const std::vector<int> indices = cochees();
  if (indices.empty()) {
    FrenchMessageBox::avertir(this, "Attention",
                              "Selectionnez les espèces à importer\nen cochant les cases.");
    return;
  }
  remplirBarre(0);
  // The folder stays the one chosen while the transfer runs, messages included.
  drive1_->setEnabled(false);
  dir1_->setEnabled(false);
  std::vector<std::string> sansPhoto;
  const TransfertFiches::Resultat resultat = transferer(indices, sansPhoto);
  drive1_->setEnabled(true);
  dir1_->setEnabled(true);
  if (!resultat.refus.empty()) {
    FrenchMessageBox::avertir(this, "Attention", texte(resultat.refus));
    return;
  }
  if (resultat.erreur == FileError::ChangeeAilleurs) programme_.relireBase();
  if (resultat.erreur != FileError::Aucune) {
    FrenchMessageBox::avertir(this, "Attention",
                              texte(TransfertFiches::messageErreur(resultat.erreur)));
    return;
  }
  // Told once the transfer has ended: a message waiting for the teacher must not keep the data
  // folder locked, and every pupil's start waiting behind it.
  for (const std::string& nom : sansPhoto) {
    FrenchMessageBox::avertir(this, "Information", texte(TransfertFiches::messageSansPhoto(nom)),
                              QMessageBox::Information);
  }
  cocher(false);
  FrenchMessageBox::avertir(this, "Information", "fin de traitement des données",
                            QMessageBox::Information);
  remplirBarre(0);
}

TransfertFiches::Resultat FrmImporterFiches::transferer(const std::vector<int>& indices,
                                                        std::vector<std::string>& sansPhoto) {
  const int pas = kLargeurBarre / static_cast<int>(indices.size());
  TransfertFiches::Suivi suivi;
  suivi.sansPhoto = [&sansPhoto](const std::string& nom) { sansPhoto.push_back(nom); };
  suivi.carteFaite = [this, pas] { remplirBarre(pourcent_->width() + pas); };
  TransfertFiches transfert(programme_.fichiers(), programme_.dossier());
  if (mode_ == Mode::Importer) {
    std::vector<PaquetFiches::Carte> choisies;
    for (const int i : indices) choisies.push_back(cartes_.at(static_cast<std::size_t>(i)));
    const std::filesystem::path dossier = dossierPaquet_;
    return transfert.importer(programme_.base(), dossier, choisies, suivi);
  }
  std::vector<int> especes;
  for (const int i : indices) especes.push_back(i + 1);
  return transfert.exporter(programme_.base(), especes, dossierChoisi(), suivi);
}

}  // namespace sylvenor
