#include "teacher/EditeurFiches.h"

#include <gtest/gtest.h>

#include "species/RecordCodec.h"
#include "species/SpeciesCodes.h"
#include "support/FaultyFileAccess.h"
#include "support/TempDir.h"

namespace sylvenor {
namespace {

using test::FaultyFileAccess;
using test::TempDir;

FicheEspece card(const std::string& name, std::int16_t vegetal, std::int16_t group) {
  SaisieFiche saisie = SaisieFiche::vierge();
  saisie.nom = name;
  saisie.animal = vegetal == kAnimal;
  (saisie.animal ? saisie.spyAnim : saisie.spyVeget) = group;
  return saisie.fiche();
}

class EditeurFichesTest : public ::testing::Test {
 protected:
  EditeurFichesTest() {
    std::filesystem::create_directories(dir_ / "data");
    for (int n = 1; n <= 12; ++n) base_.ajouter(card("Espèce " + std::to_string(n), 0, 1));
    EXPECT_EQ(base_.EnregBase(files_, dir_.path()), FileError::Aucune);
  }
  std::string file() const { return TempDir::readFile(BaseEspeces::cheminBase(dir_.path())); }
  FicheEspece record(const std::string& bytes, int n) const {
    return RecordCodec::decode(std::string_view(bytes).substr(
        static_cast<std::size_t>(n - 1) * RecordCodec::kTailleFiche, RecordCodec::kTailleFiche));
  }

  TempDir dir_;
  FaultyFileAccess files_;
  BaseEspeces base_;
  EditeurFiches editeur_{base_};
};

TEST(SaisieFiche, ABlankCardAndTheReasonsASaveIsRefused) {
  SaisieFiche saisie = SaisieFiche::vierge();
  EXPECT_EQ(saisie.info[0], "?");
  EXPECT_EQ(saisie.spyRepartition, 2);
  EXPECT_EQ(saisie.refus(), SaisieFiche::kAucunNom);
  saisie.nom = "   ";
  EXPECT_EQ(saisie.refus(), SaisieFiche::kAucunGroupe);
  saisie.spyAnim = 0;
  EXPECT_EQ(saisie.refus(), std::nullopt);
  // "Mammifère" chosen, then the kingdom switched without a plant group.
  saisie.animal = false;
  EXPECT_EQ(saisie.refus(), SaisieFiche::kAucunGroupe);
  saisie.spyVeget = 3;
  EXPECT_EQ(saisie.refus(), std::nullopt);
  EXPECT_EQ(saisie.fiche().Vegetal, kVegetal);
  EXPECT_EQ(saisie.fiche().Groupe, 3);
}

TEST(SaisieFiche, TextsAreCutAndPaddedAsTheFileStoresThem) {
  SaisieFiche saisie = SaisieFiche::vierge();
  saisie.nom = std::string(55, 'n') + "ééééé";
  saisie.info[1] = std::string(34, 'l') + "èxyz";
  saisie.info[2] = "court";
  const FicheEspece fiche = saisie.fiche();
  EXPECT_EQ(fiche.Nom, std::string(50, 'n'));
  EXPECT_EQ(fiche.Info[1], std::string(34, 'l') + "è");
  EXPECT_EQ(fiche.Info[2], "court" + std::string(30, ' '));
}

TEST(SaisieFiche, AStoredGroupOutsideItsTableCountsAsNoGroup) {
  FicheEspece stored = card("Lézard", 0, 2);
  EXPECT_EQ(SaisieFiche::depuis(stored).spyAnim, 2);
  EXPECT_EQ(SaisieFiche::depuis(stored).spyVeget, -1);
  stored.Groupe = 13;
  EXPECT_EQ(SaisieFiche::depuis(stored).spyAnim, -1);
  stored.Vegetal = kVegetal;
  stored.Groupe = 5;
  EXPECT_EQ(SaisieFiche::depuis(stored).spyVeget, 5);
  EXPECT_FALSE(SaisieFiche::depuis(stored).animal);
}

TEST_F(EditeurFichesTest, ANewCardReservesTheNextSlotUntilItIsSavedOrDropped) {
  editeur_.montrer(5);
  ASSERT_TRUE(editeur_.nouvelle());
  EXPECT_EQ(editeur_.numero(), 13);
  EXPECT_EQ(base_.NbFiches(), 13);
  EXPECT_EQ(editeur_.etat(), EditeurFiches::Etat::Nouvelle);
  editeur_.oublier();
  EXPECT_EQ(base_.NbFiches(), 12);
  EXPECT_EQ(editeur_.numero(), 12);
  EXPECT_FALSE(editeur_.enCours());
  EXPECT_EQ(file().size(), 12 * RecordCodec::kTailleFiche);

  ASSERT_TRUE(editeur_.nouvelle());
  SaisieFiche saisie = SaisieFiche::depuis(card("Hérisson", 0, 0));
  ASSERT_EQ(editeur_.enregistrer(saisie, files_, dir_.path()), FileError::Aucune);
  EXPECT_EQ(editeur_.etat(), EditeurFiches::Etat::Repos);
  const std::string bytes = file();
  ASSERT_EQ(bytes.size(), 13 * RecordCodec::kTailleFiche);
  EXPECT_EQ(record(bytes, 13), saisie.fiche());
  EXPECT_EQ(record(bytes, 12), base_.fiche(12));
}

TEST_F(EditeurFichesTest, SavingACardRewritesTheWholeFileWithItInItsOwnPlace) {
  editeur_.montrer(5);
  editeur_.modifier();
  EXPECT_EQ(editeur_.etat(), EditeurFiches::Etat::Modifie);
  SaisieFiche saisie = SaisieFiche::depuis(base_.fiche(5));
  saisie.info[3] = "Vole";
  ASSERT_EQ(editeur_.enregistrer(saisie, files_, dir_.path()), FileError::Aucune);
  const std::string bytes = file();
  ASSERT_EQ(bytes.size(), 12 * RecordCodec::kTailleFiche);
  EXPECT_EQ(record(bytes, 5).Info[3], "Vole" + std::string(31, ' '));
  EXPECT_TRUE(record(bytes, 4).Nom.starts_with("Espèce 4 "));
  EXPECT_TRUE(record(bytes, 6).Nom.starts_with("Espèce 6 "));
}

TEST_F(EditeurFichesTest, AFailedSaveKeepsTheTableTheFileAndThePendingEdits) {
  const std::string before = file();
  editeur_.montrer(3);
  editeur_.modifier();
  const FicheEspece stored = base_.fiche(3);
  files_.failOn(FaultyFileAccess::Operation::Replace, 1, FileError::DisquePlein);
  EXPECT_EQ(editeur_.enregistrer(SaisieFiche::depuis(card("Autre", 0, 4)), files_, dir_.path()),
            FileError::DisquePlein);
  EXPECT_EQ(base_.fiche(3), stored);
  EXPECT_EQ(file(), before);
  EXPECT_EQ(editeur_.etat(), EditeurFiches::Etat::Modifie);
  EXPECT_EQ(editeur_.numero(), 3);
}

TEST_F(EditeurFichesTest, AFullBaseRefusesANewCardAndAnEmptyOneShowsNoCard) {
  while (base_.NbFiches() < BaseEspeces::kCapacite) base_.ajouter(card("X", 0, 0));
  EXPECT_FALSE(editeur_.nouvelle());
  EXPECT_EQ(base_.NbFiches(), BaseEspeces::kCapacite);
  EXPECT_FALSE(editeur_.enCours());

  BaseEspeces empty;
  EditeurFiches editeur(empty);
  editeur.montrer(1);
  EXPECT_EQ(editeur.numero(), 0);
  editeur.modifier();
  EXPECT_FALSE(editeur.enCours());
  EXPECT_NE(editeur.enregistrer(SaisieFiche::vierge(), files_, dir_.path()), FileError::Aucune);
  EXPECT_EQ(empty.NbFiches(), 0);
}

}  // namespace
}  // namespace sylvenor
