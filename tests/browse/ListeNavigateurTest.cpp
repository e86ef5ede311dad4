#include "browse/ListeNavigateur.h"

#include <gtest/gtest.h>

namespace sylvenor {
namespace {

// Blank-padded to 50 characters, as the base stores names.
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
  std::vector<std::int16_t> numeros(int type) const {
    std::vector<std::int16_t> found;
    for (const EspeceListee& espece : ListeNavigateur::construire(base_, type)) {
      EXPECT_EQ(espece.nom, base_.fiche(espece.numero).Nom);
      found.push_back(espece.numero);
    }
    return found;
  }

  BaseEspeces base_;
};

TEST_F(ListeNavigateurTest, AccentedNamesSortWithTheirLetterWhateverTheirCase) {
  for (const char* nom :
       {"Escargot", "écureuil roux", "Oursin", "Ecrevisse", "Œillet", "Ortie", "Odonate",
        "Çà et là", "Chêne", "Cerf", "Zèbre", "ail des ours", "Élan", "Ecureuil"}) {
    ajouter(nom, 0);
  }
  // Ail, Çà, Cerf, Chêne, Ecrevisse, Ecureuil, écureuil roux, Élan, Escargot, Odonate, Œillet,
  // Ortie, Oursin, Zèbre.
  EXPECT_EQ(numeros(ListeNavigateur::kTous),
            (std::vector<std::int16_t>{12, 8, 10, 9, 4, 14, 2, 13, 1, 7, 5, 6, 3, 11}));
}

TEST_F(ListeNavigateurTest, EqualNamesFollowTheirNumbers) {
  ajouter("Oeillet", 0);
  ajouter("Lierre", -1);
  ajouter("Œillet", -1);
  ajouter("OEILLET", 0);
  EXPECT_EQ(numeros(ListeNavigateur::kTous), (std::vector<std::int16_t>{2, 1, 3, 4}));
}

TEST_F(ListeNavigateurTest, EachChoiceListsItsKingdomAndAnUnknownOneOnlyUnderAll) {
  ajouter("Renard", 0);
  ajouter("Chêne", -1);
  ajouter("Mystère", 3);
  ajouter("Blaireau", 0);
  ajouter("Hors base", 0);
  base_.setNbFiches(4);
  EXPECT_EQ(numeros(ListeNavigateur::kTous), (std::vector<std::int16_t>{4, 2, 3, 1}));
  EXPECT_EQ(numeros(ListeNavigateur::kAnimaux), (std::vector<std::int16_t>{4, 1}));
  EXPECT_EQ(numeros(ListeNavigateur::kVegetaux), (std::vector<std::int16_t>{2}));
  EXPECT_EQ(numeros(7), numeros(ListeNavigateur::kTous));
  EXPECT_EQ(numeros(-1), numeros(ListeNavigateur::kTous));
}

TEST(ListeNavigateurCle, FoldsTheLettersOfWindows1252AndKeepsEverythingElse) {
  EXPECT_EQ(ListeNavigateur::cleTri("ÀÂÄÆÇÈÉÊËÎÏÔÖÙÛÜŸ"), "aaaaeceeeeiioouuuy");
  EXPECT_EQ(ListeNavigateur::cleTri("àâäæçèéêëîïôöùûüÿœŒšŠžŽñßø"),
            "aaaaeceeeeiioouuuyoeoesszznsso");
  EXPECT_EQ(ListeNavigateur::cleTri("Pic-vert 2 × 3 ÷ ° λ   "), "pic-vert 2 × 3 ÷ ° λ");
  EXPECT_EQ(ListeNavigateur::cleTri("   "), "");
  // A broken byte sequence is compared as it is, never read past its end.
  EXPECT_EQ(ListeNavigateur::cleTri("a\xC3"), "a\xC3");
  EXPECT_EQ(ListeNavigateur::cleTri("\xC3\x41"),
            "\xC3"
            "a");
}

}  // namespace
}  // namespace sylvenor
