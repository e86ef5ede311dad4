#include <gtest/gtest.h>

#include "results/BilanEleve.h"
#include "results/ExportTableur.h"
#include "results/FichierResultat.h"
#include "results/ResultatsEleves.h"
#include "results/TableResultats.h"
#include "species/BaseEspeces.h"
#include "species/SpeciesCodes.h"
#include "support/FaultyFileAccess.h"
#include "support/TempDir.h"

namespace sylvenor {
namespace {

using test::TempDir;
using Colonne = TableResultats::Colonne;

ResultatEleve resultat(const std::string& eleve, DateHeure moment, int bien, int erreurs) {
  ResultatEleve r;
  r.eleve = eleve;
  r.moment = moment;
  r.debutExercice = {moment.annee, moment.mois, moment.jour, 8, 0, 0};
  r.cles = "animaux, invertébrés";
  r.especes = bien;
  r.bien = bien;
  r.erreurs = erreurs;
  r.aide = 1;
  r.recap = "Récapitulatif pour " + eleve + "\n\nAide utilisée 1 fois\n";
  return r;
}

TEST(FichierResultat, AResultComesBackExactlyAndAnythingElseIsRefused) {
  const ResultatEleve lea = resultat("Léa", {2026, 12, 7, 9, 5, 30}, 3, 1);
  const std::string octets = FichierResultat::ecrire(lea);
  EXPECT_EQ(octets.substr(0, 26),
            "Sylvenor r\xE9sultat\t1\tL\xE9"
            "a\t20");
  EXPECT_NE(octets.find("\t2026-12-07 09:05:30\t2026-12-07 08:00:00\tanimaux, invert\xE9"
                        "br\xE9s\t3\t3\t1\t1\nR\xE9"
                        "capitulatif"),
            std::string::npos);
  const auto relu = FichierResultat::lire(octets);
  ASSERT_TRUE(relu);
  EXPECT_EQ(relu->recap, lea.recap);
  EXPECT_EQ(FichierResultat::ecrire(*relu), octets);
  EXPECT_EQ(relu->pourcent(), 75);

  ResultatEleve tabulation = lea;
  tabulation.eleve = "L\tou\nis";
  EXPECT_EQ(FichierResultat::lire(FichierResultat::ecrire(tabulation))->eleve, "L ou is");
  for (const std::string& autre :
       {octets.substr(0, 40), std::string("Sylvenor cl\xE9\t1\n"), std::string(),
        std::string("Sylvenor r\xE9sultat\t1\tL\t2026-13-07 09:05:30\t2026-12-07 "
                    "08:00:00\ta\t1\t1\t0\t0\n"),
        std::string("Sylvenor r\xE9sultat\t1\tL\t2026-12-07 09:05:30\t2026-12-07 "
                    "08:00:00\ta\t1\t-1\t0\t0\n")}) {
    EXPECT_FALSE(FichierResultat::lire(autre)) << autre;
  }
}

TEST(ResultatsEleves, EachRunIsOneFileInTheFolderMadeOnTheFirstAndAFailedWriteLeavesNothing) {
  TempDir dossier;
  test::FaultyFileAccess fichiers;
  ResultatsEleves resultats(fichiers, dossier.path());
  EXPECT_TRUE(resultats.lire().resultats.empty());
  ASSERT_EQ(resultats.enregistrer(resultat("Léa", {2026, 12, 7, 9, 5, 30}, 2, 0)),
            FileError::Aucune);
  ASSERT_EQ(resultats.enregistrer(resultat("../Tom", {2026, 12, 7, 10, 0, 0}, 1, 1)),
            FileError::Aucune);
  TempDir::writeFile(dossier / "resultats" / "notes.txt", "pas un résultat");
  fichiers.failOn(test::FaultyFileAccess::Operation::Replace, 1, FileError::DisquePlein);
  EXPECT_EQ(resultats.enregistrer(resultat("Zoé", {2026, 12, 7, 11, 0, 0}, 1, 0)),
            FileError::DisquePlein);

  const auto lecture = resultats.lire();
  EXPECT_EQ(lecture.illisibles, 1);
  ASSERT_EQ(lecture.resultats.size(), 2u);
  std::vector<std::string> noms;
  for (const auto& r : lecture.resultats) noms.push_back(r.fichier);
  std::sort(noms.begin(), noms.end());
  EXPECT_EQ(noms, (std::vector<std::string>{"Léa 7 déc. 2026 9-5-30.txt",
                                            "_._Tom 7 déc. 2026 10-0-0.txt"}));
  EXPECT_EQ(resultats.supprimer("../resultats/Léa 7 déc. 2026 9-5-30.txt"), FileError::NonTrouve);
  EXPECT_EQ(resultats.supprimer("Léa 7 déc. 2026 9-5-30.txt"), FileError::Aucune);
  EXPECT_EQ(resultats.lire().resultats.size(), 1u);
}

TEST(TableResultats, RowsAreFilteredByPupilAndDayAndSortedOnAnyColumn) {
  const std::vector<ResultatEleve> tous = {resultat("zoé", {2026, 12, 7, 9, 0, 0}, 4, 0),
                                           resultat("Élodie", {2026, 12, 8, 9, 0, 0}, 1, 3),
                                           resultat("Eden", {2026, 12, 7, 11, 0, 0}, 2, 2),
                                           resultat("Eden", {2026, 12, 7, 10, 0, 0}, 0, 0),
                                           resultat("Fanny", {2026, 11, 30, 14, 0, 0}, 3, 1)};
  const auto ordre = [&](Colonne colonne, bool croissant, TableResultats::Filtre filtre = {}) {
    return TableResultats::lignes(tous, filtre, colonne, croissant);
  };
  EXPECT_EQ(ordre(Colonne::Eleve, true), (std::vector<std::size_t>{3, 2, 1, 4, 0}));
  EXPECT_EQ(ordre(Colonne::Date, false), (std::vector<std::size_t>{1, 2, 3, 0, 4}));
  EXPECT_EQ(ordre(Colonne::Heure, true), (std::vector<std::size_t>{0, 1, 3, 2, 4}));
  // No answer at all sorts below 0 %.
  EXPECT_EQ(ordre(Colonne::Part, true), (std::vector<std::size_t>{3, 1, 2, 4, 0}));
  EXPECT_EQ(ordre(Colonne::Erreurs, false), (std::vector<std::size_t>{1, 2, 4, 0, 3}));
  EXPECT_EQ(ordre(Colonne::Eleve, true, {"Eden", std::nullopt}), (std::vector<std::size_t>{3, 2}));
  EXPECT_EQ(ordre(Colonne::Bien, true, {std::nullopt, DateHeure{2026, 12, 7}}),
            (std::vector<std::size_t>{3, 2, 0}));
  EXPECT_EQ(TableResultats::eleves(tous),
            (std::vector<std::string>{"Eden", "Élodie", "Fanny", "zoé"}));
  EXPECT_EQ(TableResultats::jours(tous).size(), 3u);
  EXPECT_EQ(TableResultats::cellule(tous[4], Colonne::Date), "30/11/2026");
  EXPECT_EQ(TableResultats::cellule(tous[4], Colonne::Heure), "14:00:00");
  EXPECT_EQ(TableResultats::cellule(tous[3], Colonne::Part), "");
}

TEST(ExportTableur, TheCsvOpensInFrenchSpreadsheetsWithItsAccentsAndQuotedFields) {
  ResultatEleve noe = resultat("Noé \"le grand\"; 6e B", {2026, 12, 7, 9, 5, 3}, 2, 1);
  const ResultatEleve lina = resultat("Lina", {2026, 12, 8, 14, 30, 0}, 0, 0);
  EXPECT_EQ(
      ExportTableur::csv({&noe, &lina}),
      "\xEF\xBB\xBF"
      "Élève;Date;Heure;Clés;Espèces;Bien classées;Erreurs;Part de bonnes réponses (%);Aide\r\n"
      "\"Noé \"\"le grand\"\"; 6e B\";07/12/2026;09:05:03;animaux, invertébrés;2;2;1;66;1\r\n"
      "Lina;08/12/2026;14:30:00;animaux, invertébrés;0;0;0;;1\r\n");
}

TEST(BilanEleve, EachExerciseCountsOnceAndTellsTheSpeciesAndGroupsConfused) {
  BaseEspeces base;
  FicheEspece renard;
  renard.Nom = "Renard roux" + std::string(39, ' ');
  renard.Groupe = 0;  // Mammifère
  base.ajouter(renard);
  FicheEspece mousse;
  mousse.Nom = "Polytric";
  mousse.Vegetal = kVegetal;
  mousse.Groupe = 3;
  base.ajouter(mousse);
  const std::string ligneRenard =
      "N°1- " + renard.Nom + "   > Oiseau              " + "   > Mammifère           \n";
  ResultatEleve premier = resultat("Léa", {2026, 12, 7, 9, 0, 0}, 1, 1);
  premier.recap += ligneRenard;
  // The same exercise later: its recap repeats the first species.
  ResultatEleve suite = premier;
  suite.moment.heure = 10;
  suite.recap += "N°2- Polytric   > Algue\nN°9- Disparu   > Oiseau\n";
  ResultatEleve autreJour = resultat("Léa", {2026, 12, 8, 9, 0, 0}, 1, 1);
  autreJour.recap += ligneRenard;
  const ResultatEleve autreEleve = resultat("Tom", {2026, 12, 8, 9, 0, 0}, 0, 1);

  const auto bilan = BilanEleve::etablir({premier, suite, autreJour, autreEleve}, "Léa", base);
  EXPECT_EQ(bilan.texte(),
            "Espèces le plus souvent mal classées :\n- Renard roux (2 fois)\n- Polytric (1 fois)\n"
            "Groupes confondus :\n- Mammifère pris pour Oiseau (2 fois)\n"
            "- Mousse pris pour Algue (1 fois)");
  EXPECT_EQ(BilanEleve::etablir({autreEleve}, "Tom", base).texte(),
            "Aucune espèce mal classée dans ses résultats.");
}

}  // namespace
}  // namespace sylvenor
