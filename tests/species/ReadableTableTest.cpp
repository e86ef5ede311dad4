#include "species/ReadableTable.h"

#include <gtest/gtest.h>

#include "species/SpeciesCodes.h"

namespace sylvenor {
namespace {

TEST(ReadableTable, ReadsCardsAndSkipsCommentsAndBlankLines) {
  const auto table = parseReadableTable(
      "# commentaire\n\n"
      "Renard roux | animal | Mammifère | large | forêts | omnivore | oui | marche | 4 pattes | "
      "poumons\r\n"
      "Polytric | végétal | Mousse | montagnard | non | non | non | non (des rhizoïdes) | bois | "
      "spores\n");
  ASSERT_TRUE(table.erreurs.empty());
  ASSERT_EQ(table.fiches.size(), 2u);
  EXPECT_EQ(table.fiches[0].Nom, "Renard roux");
  EXPECT_EQ(table.fiches[0].Vegetal, 0);
  EXPECT_EQ(table.fiches[0].Groupe, 0);
  EXPECT_EQ(table.fiches[0].Info[5], "poumons");
  EXPECT_EQ(table.fiches[1].Vegetal, -1);
  EXPECT_EQ(table.fiches[1].Groupe, 3);
  EXPECT_EQ(table.fiches[1].Repartition, 1);
}

TEST(ReadableTable, ReportsEveryBadLineWithItsNumber) {
  const auto table = parseReadableTable(
      "A | animal | Mammifère | large | 1 | 2 | 3 | 4 | 5\n"
      "B | minéral | Mammifère | large | 1 | 2 | 3 | 4 | 5 | 6\n"
      "C | animal | Angiosperme | large | 1 | 2 | 3 | 4 | 5 | 6\n"
      "D | animal | Insecte | lunaire | 1 | 2 | 3 | 4 | 5 | 6\n"
      "E | animal | Insecte | marin | 1 | 2 | 3 | 4 | 5 | " +
      std::string(36, 'x') +
      "\n"
      "F | animal | Insecte | méditerranéen | 1 | 2 | 3 | 4 | 5 | " +
      std::string(35, 'x') + "\n");
  ASSERT_EQ(table.erreurs.size(), 5u);
  EXPECT_EQ(table.erreurs[0], "ligne 1 : 9 champs au lieu de 10");
  EXPECT_EQ(table.erreurs[1], "ligne 2 : règne inconnu « minéral »");
  EXPECT_EQ(table.erreurs[2], "ligne 3 : groupe inconnu « Angiosperme »");
  EXPECT_EQ(table.erreurs[3], "ligne 4 : répartition inconnue « lunaire »");
  EXPECT_EQ(table.erreurs[4], "ligne 5 : information 6 de plus de 35 caractères");
  ASSERT_EQ(table.fiches.size(), 1u);
  EXPECT_EQ(table.fiches[0].Repartition, 3);
}

TEST(ReadableTable, WritesWhatItReadsAndMarksAnUnknownCode) {
  FicheEspece pin;
  pin.Nom = "Pin sylvestre" + std::string(37, ' ');
  pin.Vegetal = kVegetal;
  pin.Groupe = 1;
  pin.Repartition = 1;
  pin.Info = {"non", "oui, dans des cônes", "non", "oui", "forêts", "aiguilles"};
  FicheEspece inconnue = pin;
  inconnue.Groupe = 40;
  const std::string texte = writeReadableTable({pin, inconnue});
  const auto table = parseReadableTable(texte);
  ASSERT_EQ(table.fiches.size(), 1u);
  EXPECT_EQ(table.fiches[0].Nom, "Pin sylvestre");
  EXPECT_EQ(table.fiches[0].Groupe, 1);
  EXPECT_EQ(table.fiches[0].Info[1], "oui, dans des cônes");
  EXPECT_NE(texte.find("Pin sylvestre | végétal | ? | montagnard"), std::string::npos);
  ASSERT_EQ(table.erreurs.size(), 1u);
}

}  // namespace
}  // namespace sylvenor
