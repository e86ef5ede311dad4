#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <map>

#include "species/ImagesEspece.h"
#include "species/RecordCodec.h"
#include "support/SpeciesInstallation.h"
#include "teacher/TeacherScreenTest.h"

namespace sylvenor {
namespace {

using test::SpeciesInstallation;
constexpr auto Oui = QMessageBox::Yes;
constexpr auto Non = QMessageBox::No;

const QString kConfirm =
    "Attention !|  Si vous détruisez des espèces de la base de données,\nelles ne pourront pas "
    "être récupérées automatiquement.\n\n  Etes-vous sûr de vouloir détruire ces espèces de la "
    "base ?";
const QString kHint = "\n\nVérifiez que le logiciel n'est pas lancé depuis un CD-ROM.";

class ZoneSuppressionTest : public test::TeacherScreenTest {
 protected:
  QListWidget* list() { return child<QListWidget>(prof(), "ListEspeces"); }
  // Ticks species with the keyboard, as the list lets the teacher do.
  void tick(std::initializer_list<int> numbers) {
    for (const int n : numbers) {
      list()->setCurrentRow(n - 1);
      QTest::keyClick(list(), Qt::Key_Space);
    }
  }
  std::map<std::string, std::string> dataFolder() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dossier_ / "data")) {
      // The lock file is the program's, not data.
      if (entry.is_regular_file() && entry.path().filename() != PosixFileAccess::kVerrou) {
        files[entry.path().string()] = test::TempDir::readFile(entry);
      }
    }
    return files;
  }
};

TEST_F(ZoneSuppressionTest, TickedSpeciesGoAndTheOthersAreRenumberedWithTheirPictures) {
  click(prof(), "CmdSuppr");
  ASSERT_EQ(list()->count(), 12);
  EXPECT_EQ(list()->item(2)->text(),
            " 3- " + QString::fromStdString(SpeciesInstallation::name(3)).leftJustified(50));
  EXPECT_TRUE(child<QCheckBox>(prof(), "OptSupImg")->isChecked());
  tick({3, 7});
  const auto before = dataFolder();
  EXPECT_EQ(clickAnswering("CmdSupprEspece", {Non}), QStringList{kConfirm});
  EXPECT_EQ(dataFolder(), before);
  // Enter alone on the question answers "Non".
  QString defaultAnswer;
  QTimer::singleShot(0, [&defaultAnswer] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    defaultAnswer = box->defaultButton()->text();
    QTest::keyClick(box, Qt::Key_Return);
  });
  click(prof(), "CmdSupprEspece");
  EXPECT_EQ(defaultAnswer, "Non");
  EXPECT_EQ(dataFolder(), before);

  EXPECT_EQ(clickAnswering("CmdSupprEspece", {Oui}),
            (QStringList{kConfirm, "Information|Fin de traitement des données."}));
  EXPECT_EQ(text("LblNbFiches"), "10");
  ASSERT_EQ(list()->count(), 10);
  EXPECT_TRUE(list()->item(2)->text().startsWith(" 3- Espèce 4 "));
  EXPECT_EQ(list()->item(2)->checkState(), Qt::Unchecked);
  EXPECT_EQ(baseFile().size(), 10 * RecordCodec::kTailleFiche);
  EXPECT_EQ(picture("3.jpg"), "photo Espèce 4");
  EXPECT_EQ(picture("5.jpg"), "photo Espèce 6");
  EXPECT_EQ(picture("6.jpg"), "photo Espèce 8");
  EXPECT_EQ(picture("6grand.jpg"), "");  // species 8 has none
  EXPECT_EQ(picture("7grand.jpg"), "grande Espèce 9");
  EXPECT_FALSE(std::filesystem::exists(dossier_ / "data" / "11.jpg"));
  EXPECT_FALSE(std::filesystem::exists(dossier_ / "data" / "11grand.jpg"));
  EXPECT_FALSE(child<QWidget>(prof(), "Pourcent")->isVisible());
}

TEST_F(ZoneSuppressionTest, NothingTickedOrAMissingPhotographChangesNothing) {
  click(prof(), "CmdSuppr");
  const auto before = dataFolder();
  EXPECT_EQ(clickAnswering("CmdSupprEspece", {}),
            QStringList{"Attention|Aucune espèce n'a été sélectionnée.\nAucune fiche n'a été "
                        "supprimée."});
  std::filesystem::remove(ImagesEspece::photo(dossier_.path(), 4));
  tick({2});
  const QStringList said = clickAnswering("CmdSupprEspece", {Oui});
  ASSERT_EQ(said.size(), 2);
  EXPECT_EQ(said[1],
            "Attention|Les fichiers ne peuvent être supprimés de ce support.\n"
            "Traitement interrompu." +
                kHint + "\n\nLa photo de l'espèce n°4 est absente (4.jpg).");
  EXPECT_EQ(list()->count(), 12);
  EXPECT_EQ(programme().base().NbFiches(), 12);
}

TEST_F(ZoneSuppressionTest, AFailureHalfWayLeavesTheBaseAndThePicturesAsTheyWere) {
  click(prof(), "CmdSuppr");
  tick({2});
  const auto before = dataFolder();
  fichiers_.failOn(test::FaultyFileAccess::Operation::Link, 5);
  const QStringList said = clickAnswering("CmdSupprEspece", {Oui});
  ASSERT_EQ(said.size(), 2);
  EXPECT_EQ(said[1],
            "Attention|Au moins un fichier est en lecture seule\nTraitement impossible." + kHint);
  EXPECT_EQ(dataFolder(), before);
  EXPECT_EQ(list()->count(), 12);
  EXPECT_EQ(text("LblNbFiches"), "12");
  // A full disk has no row of its own in the removal's messages: it is told with its number.
  tick({2});
  fichiers_.failOn(test::FaultyFileAccess::Operation::Link, 5, FileError::DisquePlein);
  EXPECT_EQ(clickAnswering("CmdSupprEspece", {Oui}).value(1),
            "Attention|Erreur non reconnue.\nerreur 61\nTraitement interrompu." + kHint);
  EXPECT_EQ(dataFolder(), before);
}

TEST_F(ZoneSuppressionTest, WithoutDeletingPicturesTheRemovedOnesAreKeptAsideAndTheOthersFollow) {
  click(prof(), "CmdSuppr");
  click(prof(), "OptSupImg");
  tick({1});
  clickAnswering("CmdSupprEspece", {Oui});
  EXPECT_EQ(picture("1.jpg"), "photo Espèce 2");
  EXPECT_EQ(picture("retirees/1-Espèce 1.jpg"), "photo Espèce 1");
  EXPECT_EQ(picture("retirees/1-Espèce 1 grand.jpg"), "grande Espèce 1");
}

TEST_F(ZoneSuppressionTest, OpeningItSettlesAPendingEditFirstAndClosesTheEditor) {
  click(prof(), "CmdAjout");
  type("TxtNomEspece", "Renard");
  EXPECT_EQ(clickAnswering("CmdSuppr", {QMessageBox::Cancel}).size(), 1);
  EXPECT_TRUE(visible("FrmAjout"));
  EXPECT_FALSE(visible("FrmSupp"));
  clickAnswering("CmdSuppr", {Oui});
  EXPECT_FALSE(visible("FrmAjout"));
  EXPECT_TRUE(visible("FrmSupp"));
  EXPECT_TRUE(list()->item(11)->text().startsWith(" 12- Renard "));
  click(prof(), "CmdFermerSupp");
  EXPECT_FALSE(visible("FrmSupp"));
  EXPECT_TRUE(visible("Frame1"));
}

}  // namespace
}  // namespace sylvenor
