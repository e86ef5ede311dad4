#include "workshop/FichierClassification.h"

#include <gtest/gtest.h>

namespace sylvenor {
namespace {

ClassificationEleve cleEcrite() {
  ClassificationEleve cle;
  cle.textes = {"Vit-il dans l'eau ?\nou sur terre",
                "A-t-il des \"plumes\" ?",
                "Écailles, poils",
                "oui",
                "non",
                "",
                "  blancs  ",
                "a, b, c",
                "fin"};
  return cle;
}

TEST(FichierClassificationTest, WritesTheNineQuotedTextsInWindows1252ByteForByte) {
  ClassificationEleve cle;
  cle.textes = {"Case DEPART\n", "été", "\"vole\"", "a,b", "", "", "", "", "z"};
  EXPECT_EQ(FichierClassification::ecrire(cle),
            "\"Case DEPART\r\n\",\"\xE9t\xE9\",\"\x93vole\x94\",\"a,b\",\"\",\"\",\"\",\"\","
            "\"z\"\r\n");
}

TEST(FichierClassificationTest, ReadsBackEveryTextWithQuotesMadeTypographic) {
  const auto lue = FichierClassification::lire(FichierClassification::ecrire(cleEcrite()));
  ASSERT_TRUE(lue.has_value());
  ClassificationEleve attendue = cleEcrite();
  attendue.textes[1] = "A-t-il des \u201Cplumes\u201D ?";
  EXPECT_EQ(*lue, attendue);
  ClassificationEleve collee;
  collee.textes[4] =
      "a\vb\x01"
      "c\td";
  EXPECT_EQ(FichierClassification::lire(FichierClassification::ecrire(collee))->textes[4],
            "a b c\td");
  const auto ouverture =
      FichierClassification::lire(FichierClassification::ecrire(ClassificationEleve::ouverture()));
  EXPECT_EQ(ouverture, ClassificationEleve::ouverture());
}

TEST(FichierClassificationTest, ReadsAFileWrittenByAnEarlierInstallation) {
  // Blanks before fields, an unquoted field, a line break inside quotes, fields over two lines.
  const std::string octets =
      "  \"Est-ce un v\xE9g\xE9tal ?\r\nou un animal\",\"Q1\",\"Q2\"\r\n"
      "oui,\"non\", \"r3\",\"r4\",\"r5\",\"\x9C"
      "uf\"";
  const auto lue = FichierClassification::lire(octets);
  ASSERT_TRUE(lue.has_value());
  EXPECT_EQ(lue->textes[0], "Est-ce un végétal ?\nou un animal");
  EXPECT_EQ(lue->textes[3], "oui");
  EXPECT_EQ(lue->textes[5], "r3");
  EXPECT_EQ(lue->textes[8], "œuf");
}

TEST(FichierClassificationTest, WhatIsNotASavedKeyLoadsNothing) {
  const std::string valide = FichierClassification::ecrire(cleEcrite());
  EXPECT_FALSE(FichierClassification::lire(""));
  EXPECT_FALSE(FichierClassification::lire("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\"\r\n"));
  EXPECT_FALSE(FichierClassification::lire("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\",\"i"));
  EXPECT_FALSE(FichierClassification::lire(std::string("\x89PNG\r\n\x1A\n\0\0", 10) + valide));
  EXPECT_FALSE(
      FichierClassification::lire(valide + std::string(FichierClassification::kTailleMax, ' ')));
  // Cut anywhere before the last quote, the file is short of its ninth text.
  for (std::size_t taille = 0; taille + 3 < valide.size(); ++taille) {
    EXPECT_FALSE(FichierClassification::lire(valide.substr(0, taille))) << taille;
  }
}

}  // namespace
}  // namespace sylvenor
