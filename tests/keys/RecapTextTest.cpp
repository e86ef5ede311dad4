#include "keys/RecapText.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace sylvenor {
namespace {

std::string padded(const std::string& text, std::size_t bytes) {
  return text + std::string(bytes - text.size(), ' ');
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

// Characters, not bytes: the columns a fixed-width font shows.
std::size_t columns(const std::string& utf8) {
  std::size_t count = 0;
  for (const char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

class RecapTextTest : public ::testing::Test {
 protected:
  RecapTextTest() {
    // Two names as the base file gives them (50 characters), one that lost its padding.
    for (const std::string& nom :
         {padded("Pie bavarde", 50), padded("Vipère aspic", 51), std::string("Renard")}) {
      FicheEspece fiche;
      fiche.Nom = nom;
      base_.ajouter(fiche);
    }
    exercice_.nouvelEleve("Léa");
  }
  // Every card is of group 0: the groups given here are validated as wrong ones.
  void presenter(std::int16_t espece, const std::vector<std::string>& reponses = {}) {
    exercice_.especeSuivante(espece);
    for (const auto& groupe : reponses) exercice_.valider(base_, groupe, 1, true);
  }
  void repondreJuste(const std::string& groupe) { exercice_.valider(base_, groupe, 0, true); }
  std::vector<std::string> recap() const {
    return lines(RecapText::composerRecap(exercice_, base_));
  }

  BaseEspeces base_;
  Exercice exercice_;
};

TEST_F(RecapTextTest, ASmallExerciseGivesTheExactText) {
  presenter(2, {"Mammifère"});
  repondreJuste("Reptile");
  presenter(1);
  repondreJuste("Oiseau");
  presenter(3, {"Poisson"});  // still on screen when the pupil quits
  for (int i = 0; i < 3; ++i) exercice_.aideConsultee();
  exercice_.finDeParcours();
  EXPECT_EQ(RecapText::composerRecap(exercice_, base_),
            "Récapitulatif pour " + padded("Léa", 61) +
                "\n\nAide utilisée 3 fois\nNombre d'espèces à classer: 2\n"
                "Nombre d'espèces bien classées: 2\nNombre d'erreurs: 2\n\nN°2- " +
                padded("Vipère aspic", 51) + "   > " + padded("Mammifère", 21) + "   > " +
                padded("Reptile", 20) + "\nN°1- " + padded("Pie bavarde", 50) + "   > " +
                padded("Oiseau", 20) + "\n");
}

TEST_F(RecapTextTest, QuittingOnTheFirstSpeciesGivesTheHeaderOnly) {
  presenter(1, {"Reptile"});
  exercice_.finDeParcours();
  const auto all = recap();
  ASSERT_EQ(all.size(), 7u);
  EXPECT_EQ(all[3], "Nombre d'espèces à classer: 0");
  EXPECT_EQ(all[6], "");
}

TEST_F(RecapTextTest, EveryPathStartsInOneColumnEvenWithNoAnswerOrAnUnknownSpecies) {
  presenter(1, {"Oiseau"});
  presenter(3, {"Mammifère", "Oiseau"});
  presenter(2);
  presenter(7, {"Reptile"});  // beyond the cards of the base
  presenter(1);
  exercice_.finDeParcours();
  const auto all = recap();
  ASSERT_EQ(all.size(), 11u);
  for (const std::size_t i : {7u, 8u, 10u}) {
    const std::size_t arrow = all[i].find("   > ");
    ASSERT_NE(arrow, std::string::npos) << all[i];
    EXPECT_EQ(columns(all[i].substr(0, arrow)), 5u + 50u) << all[i];
  }
  EXPECT_EQ(columns(all[8]), 55u + 2 * 25u);
  EXPECT_EQ(all[9], "N°2- " + padded("Vipère aspic", 51));
  EXPECT_EQ(all[10], "N°7- " + std::string(50, ' ') + "   > " + padded("Reptile", 20));
}

TEST_F(RecapTextTest, TheRecapStopsAtTheSizeOfTheTables) {
  std::vector<std::string> reponses;
  for (int i = 1; i <= 25; ++i) reponses.push_back("Groupe " + std::to_string(i));
  presenter(1, reponses);
  for (int rang = 2; rang <= 106; ++rang) presenter(2);
  exercice_.finDeParcours();
  const auto all = recap();
  EXPECT_EQ(all[3], "Nombre d'espèces à classer: 105");
  EXPECT_EQ(all.size(), 7u + 100u);
  const std::string& premiere = all[7];
  EXPECT_EQ(columns(premiere), 55u + 20 * 25u);
  EXPECT_EQ(columns(premiere.substr(0, premiere.find(padded("Groupe 19", 20)))),
            55u + 18 * 25u + 5);
  EXPECT_EQ(premiere.substr(premiere.size() - 25), "   > " + padded("Groupe 25", 20));
}

TEST(RecapTextMessage, PutsABlankBeforeTheErrorNumber) {
  EXPECT_EQ(RecapText::messageImpression(482),
            "Impression impossible\r Erreur n°  482\r\r"
            "Vérifier la mise sous tension, les cables, les drivers,...");
  EXPECT_EQ(RecapText::messageImpression(-7).substr(0, 36), "Impression impossible\r Erreur n° -7");
}

}  // namespace
}  // namespace sylvenor
