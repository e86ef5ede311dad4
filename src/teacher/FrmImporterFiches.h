#pragma once

#include <QDialog>
#include <filesystem>
#include <vector>

#include "teacher/PaquetFiches.h"
#include "teacher/TransfertFiches.h"

class QComboBox;
class QFileSystemModel;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeView;

namespace sylvenor {

class FrmTemp;
class Programme;

// The exchange of card packages: the teacher picks a folder, ticks cards, and imports them
// into the base or exports them into that folder.
class FrmImporterFiches : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { Importer, Exporter };

  FrmImporterFiches(Programme& programme, const FrmTemp& images, Mode mode, QWidget* parent);
  ~FrmImporterFiches() override;

 private:
  void construireChoix();
  void construireListe(const FrmTemp& images);
  void Form_Load();
  void Drive1_Change(int index);
  void Dir1_Change();
  void lirePaquet(const std::filesystem::path& dossier);
  void remplirListe(const std::vector<std::string>& libelles);
  void BtnNewfiches_Click();
  void cocher(bool coche);
  void BtnImportSelect_Click();
  // The cards without a photograph are named in `sansPhoto`.
  TransfertFiches::Resultat transferer(const std::vector<int>& cochees,
                                       std::vector<std::string>& sansPhoto);
  std::filesystem::path dossierChoisi() const;
  std::vector<int> cochees() const;
  void remplirBarre(int largeur);

  Programme& programme_;
  Mode mode_;
  QLabel* label1_ = nullptr;
  QComboBox* drive1_ = nullptr;
  QTreeView* dir1_ = nullptr;
  QFileSystemModel* dossiers_ = nullptr;
  QGroupBox* frame1_ = nullptr;
  QListWidget* listEspeces_ = nullptr;
  QLabel* lblImporter_ = nullptr;
  QLabel* lblNbFiches_ = nullptr;
  QPushButton* btnNewfiches_ = nullptr;
  QPushButton* btnImportSelect_ = nullptr;
  QLabel* imgImportExport_ = nullptr;
  QFrame* shape1_ = nullptr;
  QFrame* pourcent_ = nullptr;
  std::filesystem::path dossierPaquet_;
  std::vector<PaquetFiches::Carte> cartes_;
};

}  // namespace sylvenor
