#include <QScrollBar>

#include "species/RecordCodec.h"
#include "support/MemorySettingsStore.h"
#include "support/SpeciesInstallation.h"
#include "teacher/SuppressionEspeces.h"
#include "teacher/TeacherScreenTest.h"
#include "teacher/TransfertFiches.h"

namespace sylvenor::test {
namespace {

constexpr auto Oui = QMessageBox::Yes;

// Two copies of the program on one installation, as a teacher's and another computer's: this
// test's window is the first, `autre_` the second, which works on the cards without windows.
class TwoCopiesTest : public TeacherScreenTest {
 protected:
  TwoCopiesTest()
      : autre_(dossier_.path(),
               {fichiers_, reglages_, session_, session_, imprimante_, horloge_, volumes_}) {
    autre_.relireBase();
  }

  // Every card's photograph is still its own.
  void photosSuiventLesFiches() {
    BaseEspeces lue;
    lue.ChargerBase(fichiers_, dossier_.path());
    for (int n = 1; n <= lue.NbFiches(); ++n) {
      const std::string& nom = lue.fiche(n).Nom;
      EXPECT_EQ(picture(std::to_string(n) + ".jpg"),
                "photo " + nom.substr(0, nom.find_last_not_of(' ') + 1))
          << n;
    }
  }

  MemorySettingsStore reglages_;
  Programme autre_;
};

TEST_F(TwoCopiesTest, ACardSavedFromATableThatAnotherCopyChangedIsRefusedAndTheCardsReread) {
  click(prof(), "CmdAjout");
  type("TxtNomEspece", "Lapin");
  // Meanwhile the other copy removes species 3.
  ASSERT_EQ(SuppressionEspeces(autre_.base(), fichiers_, dossier_.path()).supprimer({3}, true, {}),
            FileError::Aucune);
  const std::string apres = baseFile();
  const QStringList dit = clickAnswering("BtnEnreg", {Oui});
  ASSERT_EQ(dit.size(), 2);
  EXPECT_TRUE(dit[1].startsWith("Attention|Les fiches ont été modifiées")) << dit[1].toStdString();
  EXPECT_EQ(baseFile(), apres);
  photosSuiventLesFiches();
  // The screen shows the cards as they are now, and a save then goes through.
  EXPECT_EQ(text("LblNbFiches"), "11");
  EXPECT_EQ(text("LblNumFiche"), "011");
  EXPECT_EQ(line("TxtNomEspece")->text(), QString::fromStdString(SpeciesInstallation::name(12)));
  type("TxtNomEspece", "Lapin");
  clickAnswering("BtnEnreg", {Oui});
  EXPECT_EQ(programme().base().fiche(11).Nom, std::string("Lapin").append(45, ' '));
  EXPECT_EQ(baseFile().size(), 11u * RecordCodec::kTailleFiche);
}

// The other way round: a removal or an import from a table another copy changed is refused
// before any picture moves.
TEST_F(TwoCopiesTest, ARemovalOrAnImportFromAStaleTableChangesNothing) {
  FicheEspece carte = programme().base().fiche(1);
  carte.Nom = "Lapin";
  programme().base().fiche(1) = carte;
  ASSERT_EQ(programme().base().EnregBase(fichiers_, dossier_.path()), FileError::Aucune);
  const std::string avant = baseFile();
  EXPECT_EQ(SuppressionEspeces(autre_.base(), fichiers_, dossier_.path()).supprimer({2}, true, {}),
            FileError::ChangeeAilleurs);
  EXPECT_EQ(baseFile(), avant);
  EXPECT_EQ(picture("2.jpg"), "photo " + SpeciesInstallation::name(2));

  TempDir paquet;
  ASSERT_TRUE(TransfertFiches(fichiers_, dossier_.path())
                  .exporter(programme().base(), {4}, paquet.path(), {})
                  .reussi());
  const auto cartes = PaquetFiches::lire(fichiers_, paquet.path()).cartes;
  EXPECT_EQ(TransfertFiches(fichiers_, dossier_.path())
                .importer(autre_.base(), paquet.path(), cartes, {})
                .erreur,
            FileError::ChangeeAilleurs);
  EXPECT_EQ(baseFile(), avant);
  EXPECT_FALSE(std::filesystem::exists(dossier_ / "data" / "13.jpg"));
  EXPECT_TRUE(autre_.rafraichirBase());
  EXPECT_EQ(autre_.base().fiche(1).Nom.substr(0, 5), "Lapin");
}

}  // namespace
}  // namespace sylvenor::test
