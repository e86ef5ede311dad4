#include "workshop/NomEleve.h"

#include <gtest/gtest.h>

namespace sylvenor {
namespace {

using Verdict = NomEleve::Verdict;

TEST(NomEleveTest, ThePromptNothingOrOnlyBlanksAreRefusedSilently) {
  for (const std::string_view texte : {NomEleve::kInvite, std::string_view(""),
                                       std::string_view(" "), std::string_view("      ")}) {
    const auto saisie = NomEleve::valider(texte);
    EXPECT_EQ(saisie.verdict, Verdict::Vide) << '"' << texte << '"';
    EXPECT_TRUE(saisie.nom.empty());
  }
}

TEST(NomEleveTest, EachOfTheSevenCharactersIsRefusedWherever) {
  for (const char refuse : std::string_view("/\\*?=:+")) {
    for (const std::string& texte :
         {std::string(1, refuse), "Léa" + std::string(1, refuse), std::string(1, refuse) + "Tom",
          " a " + std::string(1, refuse)}) {
      const auto saisie = NomEleve::valider(texte);
      EXPECT_EQ(saisie.verdict, Verdict::Refuse) << texte;
      EXPECT_TRUE(saisie.nom.empty()) << texte;
    }
  }
}

TEST(NomEleveTest, EveryOtherCharacterPasses) {
  for (const std::string texte :
       {"Zoé-Lou", "Jean d'Arc", "Léa (5e B)", "Ève & Noël, 6e2", "Çà!_#%;<>\"|.", "12"}) {
    const auto saisie = NomEleve::valider(texte);
    EXPECT_EQ(saisie.verdict, Verdict::Accepte) << texte;
    EXPECT_EQ(saisie.nom, texte);
  }
}

TEST(NomEleveTest, TrailingBlanksGoAndLeadingBlanksStay) {
  EXPECT_EQ(NomEleve::valider("  Maël   ").nom, "  Maël");
  EXPECT_EQ(NomEleve::valider(" Anne Marie ").nom, " Anne Marie");
}

TEST(NomEleveTest, AnAcceptedNameNeverHoldsAPathSeparator) {
  for (const std::string texte : {"a/b", "a\\b", "/", "\\\\serveur", "..\\..", "../x"}) {
    const auto saisie = NomEleve::valider(texte);
    EXPECT_NE(saisie.verdict, Verdict::Accepte) << texte;
    EXPECT_EQ(saisie.nom.find_first_of("/\\"), std::string::npos) << texte;
  }
}

TEST(NomEleveTest, TheBoxOffersTheStoredNameWithoutItsBlanks) {
  EXPECT_EQ(NomEleve::nomPropose(""), "");
  EXPECT_EQ(NomEleve::nomPropose(std::string(60, ' ')), "");
  EXPECT_EQ(NomEleve::nomPropose(" Léo" + std::string(56, ' ')), "Léo");
  EXPECT_EQ(NomEleve::nomPropose("Anne Marie  "), "Anne Marie");
}

}  // namespace
}  // namespace sylvenor
