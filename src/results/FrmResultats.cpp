#include "results/FrmResultats.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "app/FrenchMessageBox.h"
#include "app/Programme.h"
#include "app/SaveFileDialog.h"
#include "keys/RecapText.h"
#include "platform/QtPrinter.h"
#include "platform/Twips.h"
#include "results/BilanEleve.h"
#include "results/ExportTableur.h"
#include "results/ResultatsEleves.h"

namespace sylvenor {
namespace {

using Colonne = TableResultats::Colonne;

QString texte(const std::string& utf8) { return QString::fromStdString(utf8); }

QPushButton* bouton(const QString& nom, const QString& legende, QWidget* parent) {
  auto* b = new QPushButton(legende, parent);
  b->setObjectName(nom);
  return b;
}

QString jour(const DateHeure& d) {
  ResultatEleve ceJour;
  ceJour.moment = d;
  return texte(TableResultats::cellule(ceJour, Colonne::Date));
}

// Numbers sort as numbers, which the table's own sorting would not do with texts: the table
// keeps the order the results give it.
QTableWidgetItem* cellule(const ResultatEleve& r, Colonne colonne) {
  auto* item = new QTableWidgetItem(texte(TableResultats::cellule(r, colonne)));
  if (colonne != Colonne::Eleve) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

}  // namespace

FrmResultats::FrmResultats(Programme& programme, QWidget* parent)
    : QWidget(parent, Qt::Window), programme_(programme) {
  setObjectName("FrmResultats");
  setWindowTitle("Résultats des élèves");
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(construireFiltres());
  layout->addWidget(construireTableau(), 3);
  layout->addWidget(construireDetail(), 2);
  layout->addWidget(construireBoutons());
  resize(twips(12600), twips(9000));
  relire();
}

QWidget* FrmResultats::construireFiltres() {
  auto* zone = new QWidget(this);
  auto* layout = new QHBoxLayout(zone);
  layout->setContentsMargins(0, 0, 0, 0);
  cboEleve_ = new QComboBox(zone);
  cboEleve_->setObjectName("CboEleve");
  cboEleve_->setAccessibleName("Élève");
  cboJour_ = new QComboBox(zone);
  cboJour_->setObjectName("CboJour");
  cboJour_->setAccessibleName("Jour");
  lblNombre_ = new QLabel(zone);
  lblNombre_->setObjectName("LblNombre");
  layout->addWidget(new QLabel("Élève :", zone));
  layout->addWidget(cboEleve_);
  layout->addSpacing(12);
  layout->addWidget(new QLabel("Jour :", zone));
  layout->addWidget(cboJour_);
  layout->addStretch();
  layout->addWidget(lblNombre_);
  for (QComboBox* filtre : {cboEleve_, cboJour_}) {
    connect(filtre, &QComboBox::currentIndexChanged, this, &FrmResultats::remplir);
  }
  return zone;
}

QWidget* FrmResultats::construireTableau() {
  tabResultats_ = new QTableWidget(0, TableResultats::kNbColonnes, this);
  tabResultats_->setObjectName("TabResultats");
  QStringList titres;
  for (const std::string_view titre : TableResultats::kTitres) titres << texte(std::string(titre));
  tabResultats_->setHorizontalHeaderLabels(titres);
  tabResultats_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabResultats_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabResultats_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tabResultats_->verticalHeader()->hide();
  QHeaderView* entetes = tabResultats_->horizontalHeader();
  entetes->setSectionResizeMode(QHeaderView::ResizeToContents);
  entetes->setSectionResizeMode(0, QHeaderView::Stretch);
  entetes->setSectionsClickable(true);
  entetes->setSortIndicatorShown(true);
  connect(entetes, &QHeaderView::sectionClicked, this, &FrmResultats::trier);
  connect(tabResultats_, &QTableWidget::currentCellChanged, this, &FrmResultats::montrerLigne);
  return tabResultats_;
}

QWidget* FrmResultats::construireDetail() {
  auto* zone = new QWidget(this);
  auto* layout = new QHBoxLayout(zone);
  layout->setContentsMargins(0, 0, 0, 0);
  txtRecap_ = new QPlainTextEdit(zone);
  txtRecap_->setObjectName("TxtRecap");
  txtRecap_->setReadOnly(true);
  txtRecap_->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtRecap_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* bilan = new QGroupBox("Bilan de l'élève", zone);
  lblBilan_ = new QLabel(bilan);
  lblBilan_->setObjectName("LblBilan");
  lblBilan_->setTextFormat(Qt::PlainText);
  lblBilan_->setWordWrap(true);
  lblBilan_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  (new QVBoxLayout(bilan))->addWidget(lblBilan_);
  layout->addWidget(txtRecap_, 3);
  layout->addWidget(bilan, 2);
  return zone;
}

QWidget* FrmResultats::construireBoutons() {
  auto* zone = new QWidget(this);
  auto* layout = new QHBoxLayout(zone);
  layout->setContentsMargins(0, 0, 0, 0);
  optRecaps_ = new QRadioButton("un récapitulatif par page", zone);
  optRecaps_->setObjectName("OptRecaps");
  optRecaps_->setChecked(true);
  auto* optTableau = new QRadioButton("le tableau", zone);
  optTableau->setObjectName("OptTableau");
  layout->addWidget(new QLabel("Imprimer :", zone));
  layout->addWidget(optRecaps_);
  layout->addWidget(optTableau);
  auto* imprimer = bouton("BtnImprimer", "Imprimer", zone);
  auto* pdf = bouton("BtnPdf", "Enregistrer en PDF", zone);
  auto* exporter = bouton("BtnExporter", "Exporter pour un tableur", zone);
  auto* supprimer = bouton("BtnSupprimer", "Supprimer", zone);
  auto* fermer = bouton("BtnFermer", "Fermer", zone);
  for (QPushButton* b : {imprimer, pdf, exporter}) layout->addWidget(b);
  layout->addStretch();
  layout->addWidget(supprimer);
  layout->addWidget(fermer);
  connect(imprimer, &QPushButton::clicked, this, &FrmResultats::BtnImprimer_Click);
  connect(pdf, &QPushButton::clicked, this, &FrmResultats::BtnPdf_Click);
  connect(exporter, &QPushButton::clicked, this, &FrmResultats::BtnExporter_Click);
  connect(supprimer, &QPushButton::clicked, this, &FrmResultats::BtnSupprimer_Click);
  connect(fermer, &QPushButton::clicked, this, &QWidget::close);
  return zone;
}

void FrmResultats::relire() {
  auto lecture = ResultatsEleves(programme_.fichiers(), programme_.dossier()).lire();
  resultats_ = std::move(lecture.resultats);
  illisibles_ = lecture.illisibles;
  remplirFiltres();
  remplir();
}

void FrmResultats::remplirFiltres() {
  const QSignalBlocker eleves(cboEleve_);
  const QSignalBlocker jours(cboJour_);
  const QString eleve = cboEleve_->currentData().toString();
  const QString jourChoisi = cboJour_->currentData().toString();
  cboEleve_->clear();
  cboEleve_->addItem("Tous les élèves");
  for (const std::string& nom : TableResultats::eleves(resultats_)) {
    cboEleve_->addItem(texte(nom), texte(nom));
  }
  cboJour_->clear();
  cboJour_->addItem("Tous les jours");
  for (const DateHeure& d : TableResultats::jours(resultats_)) cboJour_->addItem(jour(d), jour(d));
  cboEleve_->setCurrentIndex(std::max(0, cboEleve_->findData(eleve)));
  cboJour_->setCurrentIndex(std::max(0, cboJour_->findData(jourChoisi)));
}

void FrmResultats::remplir() {
  TableResultats::Filtre filtre;
  if (cboEleve_->currentIndex() > 0)
    filtre.eleve = cboEleve_->currentData().toString().toStdString();
  if (cboJour_->currentIndex() > 0) {
    filtre.jour = TableResultats::jours(resultats_)
                      .at(static_cast<std::size_t>(cboJour_->currentIndex() - 1));
  }
  lignes_ = TableResultats::lignes(resultats_, filtre, colonne_, croissant_);
  tabResultats_->clearContents();
  tabResultats_->setRowCount(static_cast<int>(lignes_.size()));
  for (std::size_t i = 0; i < lignes_.size(); ++i) {
    for (int c = 0; c < TableResultats::kNbColonnes; ++c) {
      tabResultats_->setItem(static_cast<int>(i), c, cellule(resultats_[lignes_[i]], Colonne(c)));
    }
  }
  tabResultats_->horizontalHeader()->setSortIndicator(
      static_cast<int>(colonne_), croissant_ ? Qt::AscendingOrder : Qt::DescendingOrder);
  QString nombre = QString("%1 résultat%2").arg(lignes_.size()).arg(lignes_.size() > 1 ? "s" : "");
  if (illisibles_ > 0)
    nombre += QString(" (%1 fichier(s) illisible(s) laissé(s) de côté)").arg(illisibles_);
  lblNombre_->setText(nombre);
  // The first row's recap shows, but nothing is chosen: the buttons then take every row shown.
  if (!lignes_.empty()) {
    tabResultats_->selectionModel()->setCurrentIndex(tabResultats_->model()->index(0, 0),
                                                     QItemSelectionModel::NoUpdate);
  }
  montrerLigne();
}

void FrmResultats::montrerLigne() {
  const int ligne = tabResultats_->currentRow();
  if (ligne < 0 || ligne >= static_cast<int>(lignes_.size())) {
    txtRecap_->clear();
    lblBilan_->setText("Aucun résultat n'est gardé pour le moment.");
    return;
  }
  const ResultatEleve& r = resultats_[lignes_[static_cast<std::size_t>(ligne)]];
  txtRecap_->setPlainText(texte(r.recap));
  lblBilan_->setText(texte(r.eleve + " :\n" +
                           BilanEleve::etablir(resultats_, r.eleve, programme_.base()).texte()));
}

void FrmResultats::trier(int colonne) {
  const auto choisie = Colonne(colonne);
  croissant_ = choisie == colonne_ ? !croissant_ : true;
  colonne_ = choisie;
  remplir();
}

std::vector<const ResultatEleve*> FrmResultats::choisis() const {
  std::vector<int> rangs;
  for (const QModelIndex& index : tabResultats_->selectionModel()->selectedRows()) {
    rangs.push_back(index.row());
  }
  std::sort(rangs.begin(), rangs.end());
  if (rangs.empty()) {
    for (std::size_t i = 0; i < lignes_.size(); ++i) rangs.push_back(static_cast<int>(i));
  }
  std::vector<const ResultatEleve*> liste;
  for (const int rang : rangs)
    liste.push_back(&resultats_[lignes_[static_cast<std::size_t>(rang)]]);
  return liste;
}

void FrmResultats::imprimer(Printer& imprimante) {
  std::vector<int> erreurs;
  const auto verifier = [&erreurs](int erreur) {
    if (erreur != 0) erreurs.push_back(erreur);
  };
  // The family the system's fixed font resolves to, so that the paths line up on paper too.
  const QFontInfo fixe(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  verifier(imprimante.setFontName(fixe.family().toStdString()));
  const auto liste = choisis();
  if (optRecaps_->isChecked()) {
    for (std::size_t i = 0; i < liste.size(); ++i) {
      if (i > 0) verifier(imprimante.newPage());
      verifier(imprimante.printText(liste[i]->recap));
    }
  } else {
    verifier(imprimante.printText(TableResultats::enTexte(liste)));
  }
  verifier(imprimante.endDocument());
  if (!erreurs.empty()) {
    FrenchMessageBox::avertir(this, "Imprimer",
                              texte(RecapText::messageImpression(erreurs.front())),
                              QMessageBox::NoIcon);
  }
}

void FrmResultats::BtnImprimer_Click() { imprimer(programme_.imprimante()); }

void FrmResultats::BtnPdf_Click() {
  const QString fichier =
      SaveFileDialog::ask(this, "Enregistrer en PDF", "Résultats.pdf", "PDF (*.pdf)");
  if (fichier.isEmpty()) return;
  QtPrinter pdf(fichier);
  imprimer(pdf);
}

void FrmResultats::BtnExporter_Click() {
  const QString fichier =
      SaveFileDialog::ask(this, "Exporter pour un tableur", "Résultats.csv", "Tableur (*.csv)");
  if (fichier.isEmpty()) return;
  const FileError erreur = programme_.fichiers().replace(QFile::encodeName(fichier).toStdString(),
                                                         ExportTableur::csv(choisis()));
  if (erreur != FileError::Aucune) {
    FrenchMessageBox::avertir(this, "Exporter",
                              QString("Le fichier n'a pas pu être enregistré (erreur %1).")
                                  .arg(static_cast<int>(erreur)));
  }
}

void FrmResultats::BtnSupprimer_Click() {
  const auto liste = choisis();
  if (liste.empty()) return;
  const QString question = liste.size() == 1
                               ? QString("Supprimer ce résultat ?")
                               : QString("Supprimer ces %1 résultats ?").arg(liste.size());
  if (FrenchMessageBox::demander(this, "Supprimer", question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Question, QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  ResultatsEleves dossier(programme_.fichiers(), programme_.dossier());
  for (const ResultatEleve* r : liste) dossier.supprimer(r->fichier);
  relire();
}

}  // namespace sylvenor
