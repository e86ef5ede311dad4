#include <gtest/gtest.h>

#include <set>

#include "keys/ClesDichotomiques.h"
#include "keys/EtatCle.h"
#include "keys/PartBonnesReponses.h"
#include "keys/TirageEspece.h"

namespace sylvenor {
namespace {

TEST(PartBonnesReponses, BarAndPercentInWholeNumbers) {
  EXPECT_FALSE(PartBonnesReponses::calculer(0, 0).has_value());
  const auto twoOne = PartBonnesReponses::calculer(2, 1);
  EXPECT_EQ(twoOne->largeur, 1140);
  EXPECT_EQ(twoOne->pourcent, 66);
  const auto oneTwo = PartBonnesReponses::calculer(1, 2);
  EXPECT_EQ(oneTwo->largeur, 570);
  EXPECT_EQ(oneTwo->pourcent, 33);
  const auto share = PartBonnesReponses::calculer(29, 21);
  EXPECT_EQ(share->largeur, 991);
  EXPECT_EQ(share->pourcent, 58);
  EXPECT_EQ(PartBonnesReponses::calculer(0, 3)->largeur, 0);
}

TEST(EtatCle, TheAnimalKeyShowsOnlyTheBranchTaken) {
  const DefinitionCle& cle = ClesDichotomiques::animal();
  EtatCle etat(cle);
  EXPECT_TRUE(etat.noeudVisible(0));
  EXPECT_FALSE(etat.noeudVisible(1));
  EXPECT_FALSE(etat.noeudVisible(2));
  etat.repondre(0, 0);  // backbone
  etat.repondre(1, 1);  // feathers
  EXPECT_TRUE(etat.noeudVisible(1));
  EXPECT_TRUE(etat.feuilleVisible(1));
  etat.repondre(1, 4);
  EXPECT_FALSE(etat.feuilleVisible(1));
  EXPECT_TRUE(etat.feuilleVisible(4));
  etat.repondre(0, 1);  // no backbone: the vertebrate branch and its leaves hide
  EXPECT_FALSE(etat.noeudVisible(1));
  EXPECT_FALSE(etat.feuilleVisible(4));
  EXPECT_TRUE(etat.noeudVisible(2));
  etat.reinitialiser();
  EXPECT_FALSE(etat.noeudVisible(2));
}

TEST(ClesDichotomiques, AnimalLeavesRecordTheirGroupAndCode) {
  const auto& feuilles = ClesDichotomiques::animal().feuilles;
  const std::vector<std::pair<std::string, int>> expected = {
      {"Mammifère", 0}, {"Oiseau", 1}, {"Amphibien", 3}, {"Reptile", 2}, {"Poisson", 4}};
  ASSERT_EQ(feuilles.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(feuilles[i].groupe, expected[i].first);
    EXPECT_EQ(feuilles[i].code, expected[i].second);
  }
}

FicheEspece fiche(std::int16_t vegetal, std::int16_t repartition) {
  FicheEspece f;
  f.Vegetal = vegetal;
  f.Repartition = repartition;
  return f;
}

TEST(TirageEspece, DrawsOnlyTheKeysKingdomInTheDistributionsUsed) {
  BaseEspeces base;
  base.ajouter(fiche(0, 0));   // 1
  base.ajouter(fiche(-1, 0));  // 2 plant
  base.ajouter(fiche(0, 1));   // 3 mountain
  base.ajouter(fiche(0, 9));   // 4 code outside the table
  base.ajouter(fiche(0, 0));   // 5
  std::mt19937 hasard(42);
  std::set<std::int16_t> drawn;
  for (int i = 0; i < 200; ++i) {
    drawn.insert(*TirageEspece::AuHasard(base, 0, {true, false, true, true}, hasard));
  }
  EXPECT_EQ(drawn, (std::set<std::int16_t>{1, 5}));
  EXPECT_EQ(TirageEspece::AuHasard(base, -1, {true, true, true, true}, hasard), 2);
  EXPECT_FALSE(TirageEspece::AuHasard(base, -1, {false, true, false, false}, hasard));
  EXPECT_FALSE(TirageEspece::AuHasard(BaseEspeces{}, 0, {true, true, true, true}, hasard));
  EXPECT_TRUE(TirageEspece::contientGenre(base, -1));
  BaseEspeces animals;
  animals.ajouter(fiche(0, 0));
  EXPECT_FALSE(TirageEspece::contientGenre(animals, -1));
}

}  // namespace
}  // namespace sylvenor
