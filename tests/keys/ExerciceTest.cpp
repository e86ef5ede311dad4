#include "keys/Exercice.h"

#include <gtest/gtest.h>

namespace sylvenor {
namespace {

std::string padded(const std::string& group) { return group + std::string(20 - group.size(), ' '); }

TEST(Exercice, ANewPupilHasANameOfSixtyCharactersAndEveryCounterAtZero) {
  Exercice exercice;
  EXPECT_TRUE(exercice.NomEleve.empty());
  exercice.NbBien = 4;
  exercice.NbErreurs = 2;
  exercice.NbAideTotal = 3;
  exercice.especeSuivante(5);
  exercice.nouvelEleve("Léa");
  EXPECT_EQ(exercice.NomEleve, "Léa" + std::string(57, ' '));
  EXPECT_EQ(exercice.NbBien, 0);
  EXPECT_EQ(exercice.NbErreurs, 0);
  EXPECT_EQ(exercice.NbAideTotal, 0);
  EXPECT_EQ(exercice.RangEspece, 0);
  exercice.nouvelEleve(std::string(70, 'x'));
  EXPECT_EQ(exercice.NomEleve, std::string(60, 'x'));
}

TEST(Exercice, RecordsEachValidationInTheNextSlotUpToTheMarker) {
  Exercice exercice;
  exercice.especeSuivante(7);
  EXPECT_EQ(exercice.RangEspece, 1);
  EXPECT_TRUE(exercice.chemin(1).empty());
  exercice.enregistrerReponse("Oiseau");
  exercice.enregistrerReponse("Mammifère");
  EXPECT_EQ(exercice.chemin(1),
            (std::vector<std::string>{padded("Oiseau"), "Mammifère" + std::string(11, ' ')}));
  exercice.especeSuivante(3);
  EXPECT_EQ(exercice.RangReponse, 1);
  EXPECT_EQ(exercice.especeVue(1), 7);
  EXPECT_EQ(exercice.especeVue(2), 3);
}

TEST(Exercice, TwentyFiveValidationsOfOneSpeciesStayWithinTwentySlots) {
  Exercice exercice;
  exercice.especeSuivante(1);
  for (int i = 0; i < 25; ++i) exercice.enregistrerReponse("G" + std::to_string(i));
  const auto path = exercice.chemin(1);
  ASSERT_EQ(path.size(), 20u);
  EXPECT_EQ(path[18], padded("G18"));
  EXPECT_EQ(path[19], padded("G24"));
  EXPECT_EQ(exercice.RangReponse, 20);
}

TEST(Exercice, SpeciesBeyondOneHundredAreCountedButNotRecorded) {
  Exercice exercice;
  for (int i = 1; i <= 105; ++i) {
    exercice.especeSuivante(static_cast<std::int16_t>(i));
    exercice.enregistrerReponse("Poisson");
  }
  EXPECT_EQ(exercice.RangEspece, 105);
  EXPECT_EQ(exercice.rangsEnregistres(), 100);
  EXPECT_EQ(exercice.especeVue(100), 100);
  EXPECT_EQ(exercice.especeVue(101), 0);
  EXPECT_TRUE(exercice.chemin(101).empty());
}

TEST(Exercice, TheEndOfAKeyRunLeavesTheSpeciesOnScreenOutAndNeverGoesBelowZero) {
  Exercice exercice;
  exercice.finDeParcours();
  EXPECT_EQ(exercice.RangEspece, 0);
  exercice.especeSuivante(4);
  exercice.finDeParcours();
  EXPECT_EQ(exercice.RangEspece, 0);
  exercice.especeSuivante(9);
  EXPECT_EQ(exercice.RangEspece, 1);
  EXPECT_EQ(exercice.especeVue(1), 9);
}

}  // namespace
}  // namespace sylvenor
