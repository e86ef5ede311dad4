#include "keys/Exercice.h"

#include <gtest/gtest.h>

#include <set>

#include "species/BaseEspeces.h"
#include "teacher/OptionsEleve.h"

namespace sylvenor {
namespace {

std::string padded(const std::string& group) { return group + std::string(20 - group.size(), ' '); }

FicheEspece fiche(std::int16_t vegetal, std::int16_t groupe, std::int16_t repartition = 0) {
  FicheEspece f;
  f.Vegetal = vegetal;
  f.Groupe = groupe;
  f.Repartition = repartition;
  return f;
}

class ExerciceTest : public ::testing::Test {
 protected:
  ExerciceTest() {
    base_.ajouter(fiche(0, 3));     // 1: an animal of group 3
    base_.ajouter(fiche(-1, 5));    // 2: a plant
    base_.ajouter(fiche(0, 4, 1));  // 3: an animal of the mountains
  }
  Exercice::Jugement valider(std::int16_t code, bool trouverLaBonne = true) {
    return exercice_.valider(base_, "Groupe " + std::to_string(code), code, trouverLaBonne);
  }
  std::vector<int> compteurs() const {
    return {exercice_.rangEspece(), exercice_.nbBien(), exercice_.nbErreurs(),
            exercice_.nbAideEspece(), exercice_.nbAideTotal()};
  }

  BaseEspeces base_;
  Exercice exercice_{7};
  OptionsEleve options_;
};

TEST_F(ExerciceTest, ANewPupilHasANameOfSixtyCharactersAndEveryCounterAtZero) {
  EXPECT_TRUE(exercice_.nomEleve().empty());
  exercice_.especeSuivante(1);
  valider(3);
  valider(4);
  exercice_.aideConsultee();
  exercice_.nouvelEleve("Léa");
  EXPECT_EQ(exercice_.nomEleve(), "Léa" + std::string(57, ' '));
  EXPECT_EQ(compteurs(), (std::vector<int>{0, 0, 0, 1, 0}));
  EXPECT_FALSE(exercice_.part());
  exercice_.nouvelEleve(std::string(70, 'x'));
  EXPECT_EQ(exercice_.nomEleve(), std::string(60, 'x'));
}

TEST_F(ExerciceTest, AValidatedGroupIsRecordedJudgedAndCounted) {
  exercice_.especeSuivante(1);
  const auto faux = valider(4);
  EXPECT_FALSE(faux.juste);
  EXPECT_FALSE(faux.suivante);  // the right group must still be found
  exercice_.aideConsultee();
  exercice_.aideConsultee();
  const auto bon = valider(3);
  EXPECT_TRUE(bon.juste && bon.suivante);
  EXPECT_EQ(exercice_.chemin(1),
            (std::vector<std::string>{padded("Groupe 4"), padded("Groupe 3")}));
  EXPECT_EQ(compteurs(), (std::vector<int>{1, 1, 1, 2, 2}));
  EXPECT_EQ(exercice_.part()->pourcent, 50);

  // Without the rule, a wrong group moves on; help starts again for each species.
  exercice_.especeSuivante(3);
  EXPECT_TRUE(valider(3, false).suivante);
  EXPECT_EQ(exercice_.rangReponse(), 2);
  exercice_.aideConsultee();
  EXPECT_EQ(compteurs(), (std::vector<int>{2, 1, 2, 1, 3}));
  EXPECT_EQ(exercice_.part()->pourcent, 33);
  EXPECT_EQ(exercice_.especeVue(1), 1);
  EXPECT_EQ(exercice_.especeVue(2), 3);
}

TEST_F(ExerciceTest, TheBrowserJudgesWithoutCountingAndNoUnknownSpeciesIsEverRight) {
  EXPECT_TRUE(Exercice::juger(base_, 1, 3, true).juste);
  EXPECT_FALSE(Exercice::juger(base_, 1, 4, true).suivante);
  EXPECT_TRUE(Exercice::juger(base_, 1, 4, false).suivante);
  for (const std::int16_t outside : {0, 4, -1}) {
    EXPECT_FALSE(Exercice::juger(base_, outside, 0, true).juste) << outside;
  }
  exercice_.especeSuivante(9);  // a card removed since the species was presented
  EXPECT_FALSE(valider(0).juste);
}

TEST_F(ExerciceTest, TheDrawPresentsOnlyTheKeysKingdomInTheTickedDistributions) {
  options_.utiliser = {true, false, true, true};
  std::set<std::int16_t> presentes;
  for (int i = 0; i < 50; ++i) {
    presentes.insert(*exercice_.presenterEspece(base_, 0, options_, [] { return 0; }));
  }
  EXPECT_EQ(presentes, std::set<std::int16_t>{1});
  EXPECT_EQ(exercice_.rangEspece(), 50);
  EXPECT_TRUE(Exercice::especePossible(base_, -1, options_));
  options_.utiliser = {false, false, true, true};
  EXPECT_FALSE(Exercice::especePossible(base_, 0, options_));
  EXPECT_FALSE(exercice_.presenterEspece(base_, 0, options_, [] { return 1; }));
  EXPECT_EQ(exercice_.rangEspece(), 50);  // nothing presented, nothing counted
}

TEST_F(ExerciceTest, TheNumberIsAskedAgainUntilItIsASpeciesOfTheKey) {
  options_.choix = false;
  options_.utiliser = {false, false, false, false};  // the draw's filter does not apply
  std::vector<std::int16_t> typed{0, 2, 4, -3, 3};
  std::size_t asked = 0;
  EXPECT_EQ(exercice_.presenterEspece(base_, 0, options_, [&] { return typed.at(asked++); }), 3);
  EXPECT_EQ(asked, typed.size());
  EXPECT_EQ(exercice_.especeCourante(), 3);
  EXPECT_TRUE(Exercice::especePossible(base_, 0, options_));
  // A kingdom without any species is never asked for.
  BaseEspeces plantsOnly;
  plantsOnly.ajouter(fiche(-1, 0));
  EXPECT_FALSE(Exercice::especePossible(plantsOnly, 0, options_));
  EXPECT_FALSE(exercice_.presenterEspece(plantsOnly, 0, options_, []() -> std::int16_t {
    ADD_FAILURE();
    return 1;
  }));
}

TEST_F(ExerciceTest, TwentyFiveValidationsOfOneSpeciesStayWithinTwentySlots) {
  exercice_.especeSuivante(1);
  for (std::int16_t i = 0; i < 25; ++i) {
    exercice_.valider(base_, "G" + std::to_string(i), i, true);
  }
  const auto path = exercice_.chemin(1);
  ASSERT_EQ(path.size(), 20u);
  EXPECT_EQ(path[18], padded("G18"));
  EXPECT_EQ(path[19], padded("G24"));
  EXPECT_EQ(exercice_.rangReponse(), 20);
  EXPECT_EQ(exercice_.nbErreurs(), 24);
}

TEST_F(ExerciceTest, SpeciesBeyondOneHundredAreCountedButNotRecorded) {
  for (int i = 1; i <= 105; ++i) {
    exercice_.especeSuivante(static_cast<std::int16_t>(i));
    valider(0);
  }
  EXPECT_EQ(exercice_.rangEspece(), 105);
  EXPECT_EQ(exercice_.rangsEnregistres(), 100);
  EXPECT_EQ(exercice_.especeVue(100), 100);
  EXPECT_EQ(exercice_.especeVue(101), 0);
  EXPECT_TRUE(exercice_.chemin(101).empty());
}

TEST_F(ExerciceTest, TheEndOfAKeyRunLeavesTheSpeciesOnScreenOutAndNeverGoesBelowZero) {
  exercice_.finDeParcours();
  EXPECT_EQ(exercice_.rangEspece(), 0);
  exercice_.especeSuivante(4);
  exercice_.finDeParcours();
  EXPECT_EQ(exercice_.rangEspece(), 0);
  exercice_.especeSuivante(9);
  EXPECT_EQ(exercice_.rangEspece(), 1);
  EXPECT_EQ(exercice_.especeVue(1), 9);
}

}  // namespace
}  // namespace sylvenor
