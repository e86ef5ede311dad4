#include "teacher/TransfertFiches.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "species/ImagesEspece.h"
#include "species/RecordCodec.h"
#include "support/FaultyFileAccess.h"
#include "support/SpeciesInstallation.h"
#include "support/TempDir.h"

namespace sylvenor {
namespace {

using test::FaultyFileAccess;
using test::SpeciesInstallation;
using test::TempDir;

std::string octetsFiche(const FicheEspece& fiche) {
  const RecordCodec::Bytes record = RecordCodec::encode(fiche);
  return {record.data(), record.size()};
}

// Two installations of the program and a package folder between them.
class TransfertFichesTest : public ::testing::Test {
 protected:
  TransfertFichesTest() {
    SpeciesInstallation::write(source_.path(), 5);
    SpeciesInstallation::write(cible_.path(), 3);
    for (const TempDir* dir : {&source_, &cible_}) {
      TempDir::writeFile(ImagesEspece::photo(dir->path(), 0), "photo manquante");
    }
    baseSource_.ChargerBase(fichiers_, source_.path());
    baseCible_.ChargerBase(fichiers_, cible_.path());
  }

  std::string lire(const std::filesystem::path& fichier) const {
    return std::filesystem::exists(fichier) ? TempDir::readFile(fichier) : "(absent)";
  }
  std::string photo(const TempDir& dir, int n) const {
    return lire(ImagesEspece::photo(dir.path(), n));
  }
  std::string grande(const TempDir& dir, int n) const {
    return lire(ImagesEspece::photoAgrandie(dir.path(), n));
  }
  TransfertFiches::Resultat exporter(const std::vector<int>& especes,
                                     std::vector<std::string>* sansPhoto = nullptr) {
    TransfertFiches::Suivi suivi;
    suivi.sansPhoto = [sansPhoto](const std::string& nom) {
      if (sansPhoto) sansPhoto->push_back(nom);
    };
    return TransfertFiches(fichiers_, source_.path())
        .exporter(baseSource_, especes, paquet_.path(), suivi);
  }
  TransfertFiches::Resultat importerTout(FileAccess& fichiers) {
    const PaquetFiches::Lecture lecture = PaquetFiches::lire(fichiers, paquet_.path());
    return TransfertFiches(fichiers, cible_.path())
        .importer(baseCible_, paquet_.path(), lecture.cartes, {});
  }

  FaultyFileAccess fichiers_;
  TempDir source_;
  TempDir cible_;
  TempDir paquet_;
  BaseEspeces baseSource_;
  BaseEspeces baseCible_;
};

TEST_F(TransfertFichesTest, CardsExportedAndImportedArriveWithTheirPicturesAfterTheLastCard) {
  // A longer package and a stale enlarged photograph are there before.
  TempDir::writeFile(paquet_ / "Sylvenor.base", std::string(6 * 266, 'x'));
  TempDir::writeFile(paquet_ / "1grand.jpg", "ancienne");
  ASSERT_TRUE(exporter({4, 1, 5}).reussi());
  EXPECT_EQ(lire(paquet_ / "Sylvenor.base"), octetsFiche(baseSource_.fiche(4)) +
                                                 octetsFiche(baseSource_.fiche(1)) +
                                                 octetsFiche(baseSource_.fiche(5)));
  EXPECT_EQ(lire(paquet_ / "1.jpg"), "photo Espèce 4");
  EXPECT_EQ(lire(paquet_ / "1grand.jpg"), "(absent)");
  EXPECT_EQ(lire(paquet_ / "2grand.jpg"), "grande Espèce 1");
  EXPECT_EQ(lire(paquet_ / "3.jpg"), "photo Espèce 5");

  // A stale enlarged photograph at the new number 4 goes too.
  TempDir::writeFile(ImagesEspece::photoAgrandie(cible_.path(), 4), "ancienne");
  ASSERT_TRUE(importerTout(fichiers_).reussi());
  BaseEspeces relue;
  relue.ChargerBase(fichiers_, cible_.path());
  ASSERT_EQ(relue.NbFiches(), 6);
  EXPECT_EQ(relue.fiche(3), baseSource_.fiche(3));
  EXPECT_EQ(relue.fiche(4), baseSource_.fiche(4));
  EXPECT_EQ(relue.fiche(6), baseSource_.fiche(5));
  EXPECT_EQ(photo(cible_, 4), "photo Espèce 4");
  EXPECT_EQ(grande(cible_, 4), "(absent)");
  EXPECT_EQ(photo(cible_, 5), "photo Espèce 1");
  EXPECT_EQ(grande(cible_, 5), "grande Espèce 1");
  EXPECT_EQ(photo(cible_, 3), "photo Espèce 3");
}

TEST_F(TransfertFichesTest, AMissingPhotographTakesThePlaceholderAndIsTold) {
  std::filesystem::remove(ImagesEspece::photo(source_.path(), 2));
  std::vector<std::string> sansPhoto;
  ASSERT_TRUE(exporter({2, 3}, &sansPhoto).reussi());
  EXPECT_EQ(sansPhoto, std::vector<std::string>{baseSource_.fiche(2).Nom});
  EXPECT_EQ(lire(paquet_ / "1.jpg"), "photo manquante");
  EXPECT_EQ(TransfertFiches::messageSansPhoto("Renard"), "Il n'y a pas de photo pour \n\nRenard.");
}

// A package comes from anywhere: a picture that is a link, a pipe or a folder is never taken,
// so that no file of the computer ends up in the installation for every user to read.
TEST_F(TransfertFichesTest, APackagePictureThatIsALinkOrNoOrdinaryFileIsNotTaken) {
  ASSERT_TRUE(exporter({1, 2, 3}).reussi());
  TempDir secrets;
  TempDir::writeFile(secrets / "shadow", "secret de l'ordinateur");
  std::filesystem::remove(paquet_ / "1.jpg");
  std::filesystem::create_symlink(secrets / "shadow", paquet_ / "1.jpg");
  std::filesystem::remove(paquet_ / "2.jpg");
  ASSERT_EQ(::mkfifo((paquet_ / "2.jpg").c_str(), 0600), 0);
  std::filesystem::remove(paquet_ / "3grand.jpg");
  std::filesystem::create_symlink(secrets / "shadow", paquet_ / "3grand.jpg");
  std::filesystem::create_symlink(paquet_ / "Sylvenor.base", paquet_ / "sylvenor.BASE");
  std::vector<std::string> sansPhoto;
  TransfertFiches::Suivi suivi;
  suivi.sansPhoto = [&sansPhoto](const std::string& nom) { sansPhoto.push_back(nom); };
  const PaquetFiches::Lecture lecture = PaquetFiches::lire(fichiers_, paquet_.path());
  ASSERT_EQ(lecture.cartes.size(), 3u);
  ASSERT_TRUE(TransfertFiches(fichiers_, cible_.path())
                  .importer(baseCible_, paquet_.path(), lecture.cartes, suivi)
                  .reussi());
  EXPECT_EQ(sansPhoto.size(), 2u);
  EXPECT_EQ(photo(cible_, 4), "photo manquante");
  EXPECT_EQ(photo(cible_, 5), "photo manquante");
  EXPECT_EQ(grande(cible_, 6), "(absent)");
}

TEST_F(TransfertFichesTest, ThePackageIsFoundWhateverItsCaseAndBadRecordsAreRefused) {
  FicheEspece mauvaise = baseSource_.fiche(1);
  mauvaise.Groupe = 40;
  FicheEspece plante = baseSource_.fiche(2);
  plante.Vegetal = 3;
  TempDir::writeFile(paquet_ / "SYLVENOR.BASE", octetsFiche(baseSource_.fiche(1)) +
                                                    octetsFiche(mauvaise) + octetsFiche(plante) +
                                                    octetsFiche(baseSource_.fiche(4)) +
                                                    std::string(200, 'z'));
  const PaquetFiches::Lecture lecture = PaquetFiches::lire(fichiers_, paquet_.path());
  ASSERT_TRUE(lecture.trouve);
  ASSERT_EQ(lecture.cartes.size(), 2u);
  EXPECT_EQ(lecture.cartes[1].numero, 4);
  EXPECT_EQ(lecture.refusees, (std::vector<int>{2, 3}));
  EXPECT_FALSE(PaquetFiches::lire(fichiers_, cible_.path()).trouve);
  EXPECT_EQ(PaquetFiches::libelle(12, baseSource_.fiche(1)), " 12- " + baseSource_.fiche(1).Nom);
}

TEST_F(TransfertFichesTest, AnImportFillingTheBaseExactlyIsTaken) {
  ASSERT_TRUE(exporter({1, 2}).reussi());
  baseCible_.setNbFiches(297);
  ASSERT_TRUE(importerTout(fichiers_).reussi());
  EXPECT_EQ(baseCible_.NbFiches(), 299);
  EXPECT_EQ(photo(cible_, 299), "photo Espèce 2");
  // Importing from the program's own data folder would copy pictures onto themselves.
  const auto resultat =
      TransfertFiches(fichiers_, cible_.path()).importer(baseCible_, cible_ / "data", {}, {});
  EXPECT_EQ(resultat.refus,
            "Le chemin source ne peut être\nle même que celui du logiciel en cours "
            "d'utilisation.");
}

TEST_F(TransfertFichesTest, AnImportBeyondTheCapacityIsRefusedBeforeAnyChange) {
  ASSERT_TRUE(exporter({1, 2}).reussi());
  baseCible_.setNbFiches(298);
  const std::string avant = lire(BaseEspeces::cheminBase(cible_.path()));
  const auto resultat = importerTout(fichiers_);
  EXPECT_EQ(resultat.refus,
            "La base ne peut plus recevoir que 1 fiches sur les 299.\nSélectionnez-en moins.");
  EXPECT_EQ(baseCible_.NbFiches(), 298);
  EXPECT_EQ(lire(BaseEspeces::cheminBase(cible_.path())), avant);
  EXPECT_EQ(photo(cible_, 299), "(absent)");
}

TEST_F(TransfertFichesTest, AFailureAtAnyCopyOrAtTheRewriteChangesNothing) {
  ASSERT_TRUE(exporter({1, 3, 5}).reussi());
  const std::string avant = lire(BaseEspeces::cheminBase(cible_.path()));
  // Pictures left at the new numbers by earlier cards come back too.
  TempDir::writeFile(ImagesEspece::photo(cible_.path(), 4), "ancienne 4");
  TempDir::writeFile(ImagesEspece::photoAgrandie(cible_.path(), 6), "ancienne 6");
  const FicheEspece emplacement4 = baseCible_.fiche(4);
  // Six pictures to copy, then the base file.
  for (int n = 1; n <= 7; ++n) {
    fichiers_.failOn(FaultyFileAccess::Operation::Replace, n, FileError::DisquePlein);
    EXPECT_EQ(importerTout(fichiers_).erreur, FileError::DisquePlein) << n;
    EXPECT_EQ(baseCible_.NbFiches(), 3) << n;
    EXPECT_EQ(lire(BaseEspeces::cheminBase(cible_.path())), avant) << n;
    EXPECT_EQ(baseCible_.fiche(4), emplacement4) << n;
    EXPECT_EQ(photo(cible_, 4), "ancienne 4") << n;
    EXPECT_EQ(grande(cible_, 6), "ancienne 6") << n;
    EXPECT_EQ(photo(cible_, 5), "(absent)") << n;
    EXPECT_EQ(grande(cible_, 4), "(absent)") << n;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cible_ / "data"),
                            std::filesystem::directory_iterator()),
              10)  // nothing left beside: base, placeholder, five pictures, the two above, the lock
        << n;
  }
  // An export failing at its package file leaves the former package and its pictures.
  const std::string paquetAvant = lire(paquet_ / "Sylvenor.base");
  fichiers_.failOn(FaultyFileAccess::Operation::Replace, 3, FileError::AccesRefuse);
  EXPECT_EQ(exporter({2, 4}).erreur, FileError::AccesRefuse);
  EXPECT_EQ(lire(paquet_ / "Sylvenor.base"), paquetAvant);
  EXPECT_EQ(lire(paquet_ / "1.jpg"), "photo Espèce 1");
  EXPECT_EQ(lire(paquet_ / "1grand.jpg"), "grande Espèce 1");
  EXPECT_EQ(TransfertFiches::messageErreur(FileError::AccesRefuse),
            "Au moins un des fichiers est en lecture seule.\nTraitement impossible.\n\nVérifiez "
            "que vous ne tentez pas d'écrire sur un CD-ROM.");
}

TEST_F(TransfertFichesTest, ExportingIntoTheProgramDataFolderIsRefusedHoweverItIsSpelt) {
  std::filesystem::create_directory_symlink(source_ / "data", paquet_ / "lien");
  for (const std::filesystem::path& dossier :
       {source_ / "data", source_ / "data/", source_ / "data/../data", paquet_ / "lien"}) {
    const auto resultat =
        TransfertFiches(fichiers_, source_.path()).exporter(baseSource_, {1}, dossier, {});
    EXPECT_EQ(resultat.refus,
              "Le chemin de destination ne peut être\nle même que celui du logiciel en cours "
              "d'utilisation.")
        << dossier;
  }
  EXPECT_TRUE(TransfertFiches(fichiers_, source_.path())
                  .exporter(baseSource_, {1}, source_.path(), {})
                  .reussi());
}

TEST_F(TransfertFichesTest, NewCardsAreThoseWhoseNameNoLocalCardHasInAnyCase) {
  std::vector<PaquetFiches::Carte> cartes(3);
  cartes[0].fiche.Nom = "ESPÈCE 2";
  cartes[1].fiche.Nom = "Espèce 2 bis";
  cartes[2].fiche.Nom = "œuf";
  baseCible_.fiche(3).Nom = "ŒUF";
  EXPECT_EQ(TransfertFiches::nouvelles(cartes, baseCible_),
            (std::vector<bool>{false, true, false}));
}

}  // namespace
}  // namespace sylvenor
