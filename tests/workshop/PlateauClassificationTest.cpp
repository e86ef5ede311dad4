#include "workshop/PlateauClassification.h"

#include <gtest/gtest.h>

#include "workshop/EssaiClassification.h"

namespace sylvenor {
namespace {

using Essai = PlateauClassification::Essai;

PlateauClassification lache(PlateauClassification plateau, int image, PositionTwips ou) {
  plateau.deplacer(image, ou);
  plateau.deposer(image);
  return plateau;
}

// Picture i into box boites[i].
PlateauClassification place(const std::array<int, 4>& boites) {
  PlateauClassification plateau;
  for (int i = 0; i < 4; ++i) {
    plateau = lache(plateau, i, {10230, PlateauClassification::kTopsBoites.at(boites.at(i))});
  }
  return plateau;
}

TEST(PlateauClassificationTest, TheTopOfTheReleasedPictureChoosesTheBox) {
  const PositionTwips depart = PlateauClassification::placeDepart(1);
  EXPECT_EQ(depart, (PositionTwips{2230, 7125}));
  struct Cas {
    std::int32_t top;
    std::optional<int> boite;  // none: back to the picture row
    bool enAttente;
  };
  for (const Cas& cas :
       {Cas{-211, {}, true}, Cas{-210, 0, false}, Cas{1590, 0, false}, Cas{1591, 1, false},
        Cas{3150, 1, false}, Cas{3151, 2, false}, Cas{4695, 2, false}, Cas{4696, 3, false},
        Cas{6225, 3, false}, Cas{6226, {}, true}, Cas{6525, {}, true}}) {
    const PlateauClassification plateau = lache({}, 1, {9930, cas.top});
    EXPECT_EQ(plateau.boite(1), cas.boite) << cas.top;
    EXPECT_EQ(plateau.enAttente(1), cas.enAttente) << cas.top;
    const PositionTwips attendue =
        cas.boite ? PositionTwips{10230, PlateauClassification::kTopsBoites.at(*cas.boite)}
                  : depart;
    EXPECT_EQ(plateau.position(1), attendue) << cas.top;
  }
  // Far from the column the picture goes back and keeps its state; no right-hand limit.
  const PlateauClassification placee = lache({}, 1, {99999, 1650});
  EXPECT_EQ(placee.boite(1), 1);
  for (const PositionTwips loin : {PositionTwips{9929, 1650}, PositionTwips{10230, 6526}}) {
    const PlateauClassification revenue = lache(placee, 1, loin);
    EXPECT_EQ(revenue.position(1), depart);
    EXPECT_FALSE(revenue.enAttente(1));
    EXPECT_TRUE(lache({}, 1, loin).enAttente(1));
  }
}

TEST(PlateauClassificationTest, ATrialNeedsOnePictureInEachBox) {
  EXPECT_EQ(PlateauClassification{}.verifierEssai(), Essai::NonPlacees);
  EXPECT_EQ(place({0, 1, 2, 3}).verifierEssai(), Essai::Possible);
  EXPECT_EQ(place({3, 1, 0, 2}).verifierEssai(), Essai::Possible);
  EXPECT_EQ(place({0, 0, 2, 3}).verifierEssai(), Essai::MalPlacees);
  // Back in the row with their state kept, the pictures no longer add up.
  PlateauClassification remis = place({0, 1, 2, 3});
  remis.remettreAZero();
  EXPECT_EQ(remis.position(3), PlateauClassification::placeDepart(3));
  EXPECT_EQ(remis.verifierEssai(), Essai::MalPlacees);
  EXPECT_EQ(lache(place({0, 1, 2, 3}), 2, {0, 0}).verifierEssai(), Essai::MalPlacees);
}

TEST(PlateauClassificationTest, TheTrialJudgesEachPictureAgainstItsBox) {
  const PlateauClassification plateau = place({2, 0, 3, 1});
  EssaiClassification juste(plateau);
  for (const int boite : {2, 0, 3, 1}) juste.accepter(boite);
  EXPECT_EQ(juste.commePrevu(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(juste.resultat("Léa"), "4 animaux ont été classés comme c'était prévu par \nLéa");

  EssaiClassification partiel(plateau);
  std::vector<bool> verdicts;
  for (const int boite : {2, 1, 3, 0}) verdicts.push_back(partiel.accepter(boite));
  EXPECT_EQ(verdicts, (std::vector<bool>{true, false, true, false}));
  EXPECT_EQ(partiel.commePrevu(), (std::vector<int>{0, 2}));
  EXPECT_EQ(partiel.autrement(), (std::vector<int>{1, 3}));
  EXPECT_EQ(partiel.resultat("Tom"), "2 animaux ont été classés comme c'était prévu par \nTom");

  EssaiClassification faux(plateau);
  for (const int boite : {0, 1, 2, 3, 0, 0}) faux.accepter(boite);
  EXPECT_TRUE(faux.termine());
  EXPECT_EQ(faux.rang(), 4);
  EXPECT_EQ(faux.autrement().size(), 4u);
  EXPECT_EQ(faux.resultat("Tom"), "Aucun animal n'a été classé comme c'était prévu par \nTom");

  EssaiClassification un(plateau);
  for (const int boite : {2, 2, 2, 2}) un.accepter(boite);
  EXPECT_EQ(un.resultat("Tom"), "Un seul animal a été classé comme c'était prévu par \nTom");
}

}  // namespace
}  // namespace sylvenor
