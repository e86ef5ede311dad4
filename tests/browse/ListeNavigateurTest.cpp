#include "browse/ListeNavigateur.h"

#include <gtest/gtest.h>

namespace sylvenor {
namespace {

std::string padded(const std::string& text) {
  std::size_t length = 0;
  for (const unsigned char c : text) length += (c & 0xC0) != 0x80;
  return text + std::string(50 - length, ' ');
}

class ListeNavigateurTest : public ::testing::Test {
 protected:
  void ajouter(const std::string& nom, std::int16_t vegetal) {
    FicheEspece fiche;
    fiche.Nom = padded(nom);
    fiche.Vegetal = vegetal;
    ASSERT_TRUE(base_.ajouter(fiche));
  }
  std::vector<std::string> noms(int type) const {
    std::vector<std::string> found;
    for (const EspeceListee& espece : ListeNavigateur::construire(base_, type)) {
      found.push_back(espece.nom.substr(0, espece.nom.find_last_not_of(' ') + 1));
    }
    return found;
  }
  std::vector<std::int16_t> numeros(int type) const {
    std::vector<std::int16_t> found;
    for (const EspeceListee& espece : ListeNavigateur::construire(base_, type)) {
      found.push_back(espece.numero);
    }
    return found;
  }

  BaseEspeces base_;
};

TEST_F(ListeNavigateurTest, AccentedNamesSortWithTheirLetterWhateverTheirCase) {
  for (const char* nom :
       {"Escargot", "écureuil roux", "Oursin", "Ecrevisse", "Œillet", "Ortie", "Odonate",
        "Çà et là", "Chêne", "Cerf", "Zèbre", "ail des ours", "Abeille", "Élan", "Ecureuil"}) {
    ajouter(nom, 0);
  }
  EXPECT_EQ(noms(ListeNavigateur::kTous),
            (std::vector<std::string>{"Abeille", "ail des ours", "Çà et là", "Cerf", "Chêne",
                                      "Ecrevisse", "Ecureuil", "écureuil roux", "Élan", "Escargot",
                                      "Odonate", "Œillet", "Ortie", "Oursin", "Zèbre"}));
}

TEST_F(ListeNavigateurTest, EqualNamesFollowTheirNumbersAndEachLineKeepsItsCard) {
  ajouter("Oeillet", 0);
  ajouter("Lierre", -1);
  ajouter("Œillet", -1);
  ajouter("OEILLET", 0);
  const auto liste = ListeNavigateur::construire(base_, ListeNavigateur::kTous);
  ASSERT_EQ(liste.size(), 4u);
  EXPECT_EQ(numeros(ListeNavigateur::kTous), (std::vector<std::int16_t>{2, 1, 3, 4}));
  for (const EspeceListee& espece : liste) EXPECT_EQ(espece.nom, base_.fiche(espece.numero).Nom);
}

TEST_F(ListeNavigateurTest, EachChoiceListsItsKingdomAndAnUnknownOneOnlyUnderAll) {
  ajouter("Renard", 0);
  ajouter("Chêne", -1);
  ajouter("Mystère", 3);
  ajouter("Blaireau", 0);
  EXPECT_EQ(numeros(ListeNavigateur::kTous), (std::vector<std::int16_t>{4, 2, 3, 1}));
  EXPECT_EQ(numeros(ListeNavigateur::kAnimaux), (std::vector<std::int16_t>{4, 1}));
  EXPECT_EQ(numeros(ListeNavigateur::kVegetaux), (std::vector<std::int16_t>{2}));
  EXPECT_EQ(numeros(7), numeros(ListeNavigateur::kTous));
  EXPECT_EQ(numeros(-1), numeros(ListeNavigateur::kTous));
}

TEST_F(ListeNavigateurTest, OnlyTheCardsInUseAreListed) {
  ajouter("Renard", 0);
  ajouter("Blaireau", 0);
  base_.setNbFiches(1);
  EXPECT_EQ(numeros(ListeNavigateur::kTous), (std::vector<std::int16_t>{1}));
  base_.setNbFiches(0);
  EXPECT_TRUE(ListeNavigateur::construire(base_, ListeNavigateur::kTous).empty());
}

TEST(ListeNavigateurCle, FoldsTheLettersOfWindows1252AndKeepsEverythingElse) {
  EXPECT_EQ(ListeNavigateur::cleTri("ÀÂÄÆÇÈÉÊËÎÏÔÖÙÛÜŸ"), "aaaaeceeeeiioouuuy");
  EXPECT_EQ(ListeNavigateur::cleTri("àâäæçèéêëîïôöùûüÿœŒšŠžŽñßø"),
            "aaaaeceeeeiioouuuyoeoesszznsso");
  EXPECT_EQ(ListeNavigateur::cleTri("Pic-vert 2 × 3 ÷ °"), "pic-vert 2 × 3 ÷ °");
  EXPECT_EQ(ListeNavigateur::cleTri("Cerf   "), "cerf");
  EXPECT_EQ(ListeNavigateur::cleTri("   "), "");
  EXPECT_EQ(ListeNavigateur::cleTri("λ"), "λ");
  // A broken byte sequence is compared as it is, never read past the end.
  EXPECT_EQ(ListeNavigateur::cleTri("a\xC3"), "a\xC3");
  EXPECT_EQ(ListeNavigateur::cleTri("\xC3\x41"),
            "\xC3"
            "a");
}

}  // namespace
}  // namespace sylvenor
