#include "workshop/ClassificationsEnregistrees.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/PosixFileAccess.h"
#include "support/FailingFileAccess.h"
#include "support/FaultyFileAccess.h"
#include "support/TempDir.h"
#include "workshop/FichierClassification.h"

namespace sylvenor {
namespace {

using test::TempDir;
using Operation = ClassificationsEnregistrees::Operation;

constexpr DateHeure kMoment{2026, 3, 7, 9, 5, 30};
constexpr std::string_view kIndice =
    "\n\nVérifiez que le logiciel n'est pas lancé depuis un CD-ROM.";

class ClassificationsEnregistreesTest : public ::testing::Test {
 protected:
  ClassificationsEnregistreesTest() { std::filesystem::create_directory(dossier_ / "sauvegardes"); }

  std::filesystem::path sauvegarde(const std::string& nom) const {
    return dossier_ / "sauvegardes" / nom;
  }
  std::size_t nombreDeFichiers() const {
    const std::filesystem::directory_iterator fichiers(dossier_ / "sauvegardes");
    return static_cast<std::size_t>(std::distance(begin(fichiers), end(fichiers)));
  }

  TempDir dossier_;
  PosixFileAccess fichiers_;
  ClassificationsEnregistrees sauvegardes_{fichiers_, dossier_.path()};
};

TEST_F(ClassificationsEnregistreesTest, TheFileIsNamedAfterThePupilTheDayAndTheTime) {
  EXPECT_EQ(ClassificationsEnregistrees::nomFichier("  Léa Martin" + std::string(48, ' '), kMoment),
            "Léa Martin 7 mars 2026 9-5-30");
  EXPECT_EQ(ClassificationsEnregistrees::nomFichier("Tom", {2026, 12, 24, 14, 0, 9}),
            "Tom 24 déc. 2026 14-0-9");
  // No name can lead the file out of its folder.
  EXPECT_EQ(ClassificationsEnregistrees::nomFichier("../..\\x", kMoment),
            "_._.._x 7 mars 2026 9-5-30");
  EXPECT_EQ(ClassificationsEnregistrees::nomFichier(".Léa", kMoment), "_Léa 7 mars 2026 9-5-30");
}

TEST_F(ClassificationsEnregistreesTest, SavedListedLoadedAndDeleted) {
  ClassificationEleve cle = ClassificationEleve::ouverture();
  cle.textes[ClassificationEleve::Reponse6] = "dernière réponse";
  ASSERT_EQ(sauvegardes_.enregistrer(cle, "Léa", kMoment), FileError::Aucune);
  const FileList liste = sauvegardes_.lister();
  ASSERT_EQ(liste.noms, std::vector<std::string>{"Léa 7 mars 2026 9-5-30"});
  EXPECT_EQ(TempDir::readFile(sauvegarde(liste.noms[0])), FichierClassification::ecrire(cle));
  EXPECT_EQ(sauvegardes_.charger(liste.noms[0]).cle, cle);
  // Within the same second, the second save replaces the first.
  ASSERT_EQ(sauvegardes_.enregistrer(ClassificationEleve{}, "Léa", kMoment), FileError::Aucune);
  EXPECT_EQ(sauvegardes_.charger(liste.noms[0]).cle, ClassificationEleve{});
  ::chmod(sauvegarde(liste.noms[0]).c_str(), 0444);
  EXPECT_EQ(sauvegardes_.detruire(liste.noms[0]), FileError::Aucune);
  EXPECT_TRUE(sauvegardes_.lister().noms.empty());
}

TEST_F(ClassificationsEnregistreesTest, AFailedSaveLeavesNoFileAndTellsWhy) {
  test::FailingFileAccess pleine(10);
  ClassificationsEnregistrees surDisquePlein(pleine, dossier_.path());
  const FileError erreur =
      surDisquePlein.enregistrer(ClassificationEleve::ouverture(), "Léa", kMoment);
  EXPECT_EQ(erreur, FileError::DisquePlein);
  EXPECT_EQ(ClassificationsEnregistrees::messageErreur(erreur, Operation::Enregistrement),
            "Erreur non reconnue.\nerreur 61\nTraitement interrompu." + std::string(kIndice));
  EXPECT_EQ(nombreDeFichiers(), 0u);

  test::FaultyFileAccess lectureSeule;
  lectureSeule.failOn(test::FaultyFileAccess::Operation::Replace, 1, FileError::AccesRefuse);
  ClassificationsEnregistrees surCdRom(lectureSeule, dossier_.path());
  EXPECT_EQ(
      ClassificationsEnregistrees::messageErreur(
          surCdRom.enregistrer(ClassificationEleve{}, "Léa", kMoment), Operation::Enregistrement),
      "Fichiers en lecture seule.\nTraitement impossible." + std::string(kIndice));
  std::filesystem::remove(dossier_ / "sauvegardes");
  EXPECT_EQ(ClassificationsEnregistrees::messageErreur(
                sauvegardes_.enregistrer(ClassificationEleve{}, "Léa", kMoment),
                Operation::Enregistrement),
            "Erreur non reconnue.\nerreur 76\nTraitement interrompu." + std::string(kIndice));
  EXPECT_EQ(ClassificationsEnregistrees::messageErreur(sauvegardes_.detruire("absent"),
                                                       Operation::Suppression),
            "Les fichiers ne peuvent être supprimés de ce support.\nTraitement interrompu." +
                std::string(kIndice));
}

TEST_F(ClassificationsEnregistreesTest, OnlyTheFolderOwnFilesAreReadAndNeverPastTheirEnd) {
  TempDir::writeFile(dossier_ / "secret", FichierClassification::ecrire(ClassificationEleve{}));
  EXPECT_EQ(sauvegardes_.charger("../secret").erreur, FileError::NonTrouve);
  EXPECT_EQ(sauvegardes_.detruire("../secret"), FileError::NonTrouve);
  EXPECT_TRUE(std::filesystem::exists(dossier_ / "secret"));
  TempDir::writeFile(sauvegarde("grand"), FichierClassification::ecrire(ClassificationEleve{}) +
                                              std::string(FichierClassification::kTailleMax, 'x'));
  const auto chargement = sauvegardes_.charger("grand");
  EXPECT_EQ(chargement.erreur, FileError::Aucune);
  EXPECT_FALSE(chargement.cle.has_value());
  std::filesystem::create_directory(sauvegarde("dossier"));
  TempDir::writeFile(sauvegarde(".cache"), "");
  // Every pupil may write here: a link to another file is neither listed nor read.
  std::filesystem::create_symlink(dossier_ / "secret", sauvegarde("lien"));
  ASSERT_EQ(::mkfifo(sauvegarde("tube").c_str(), 0600), 0);
  EXPECT_EQ(sauvegardes_.lister().noms, std::vector<std::string>{"grand"});
  EXPECT_FALSE(sauvegardes_.charger("lien").cle.has_value());
  EXPECT_FALSE(sauvegardes_.charger("tube").cle.has_value());
}

}  // namespace
}  // namespace sylvenor
