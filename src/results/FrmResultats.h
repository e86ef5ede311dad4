#pragma once

#include <QWidget>
#include <vector>

#include "results/ResultatEleve.h"
#include "results/TableResultats.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QTableWidget;

namespace sylvenor {

class Printer;
class Programme;

// "Résultats des élèves", in the teacher module: the kept results in a table that sorts on
// any column and filters by pupil and day, the recap of the row chosen, what its pupil most
// often gets wrong, and the rows chosen (or all shown) printed, saved as PDF, exported for a
// spreadsheet or deleted.
class FrmResultats : public QWidget {
  Q_OBJECT

 public:
  explicit FrmResultats(Programme& programme, QWidget* parent = nullptr);

  // Reads the folder again, as other computers may have added results.
  void relire();

 private:
  QWidget* construireFiltres();
  QWidget* construireTableau();
  QWidget* construireDetail();
  QWidget* construireBoutons();
  void remplirFiltres();
  void remplir();
  void montrerLigne();
  void trier(int colonne);
  std::vector<const ResultatEleve*> choisis() const;
  void imprimer(Printer& imprimante);
  void BtnImprimer_Click();
  void BtnPdf_Click();
  void BtnExporter_Click();
  void BtnSupprimer_Click();

  Programme& programme_;
  std::vector<ResultatEleve> resultats_;
  std::vector<std::size_t> lignes_;  // the row's place in resultats_
  int illisibles_ = 0;
  TableResultats::Colonne colonne_ = TableResultats::Colonne::Date;
  bool croissant_ = false;
  QComboBox* cboEleve_ = nullptr;
  QComboBox* cboJour_ = nullptr;
  QLabel* lblNombre_ = nullptr;
  QTableWidget* tabResultats_ = nullptr;
  QPlainTextEdit* txtRecap_ = nullptr;
  QLabel* lblBilan_ = nullptr;
  QRadioButton* optRecaps_ = nullptr;
};

}  // namespace sylvenor
