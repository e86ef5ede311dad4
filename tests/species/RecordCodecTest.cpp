#include "species/RecordCodec.h"

#include <gtest/gtest.h>

namespace sylvenor {
namespace {

FicheEspece fougere() {
  FicheEspece fiche;
  fiche.Nom = "Fougère aigle";
  fiche.Vegetal = -1;
  fiche.Groupe = 2;
  fiche.Repartition = 0;
  fiche.Info = {"aucune", "non (des spores)", "aucun", "oui", "bois et landes", "toxique"};
  return fiche;
}

TEST(RecordCodec, FieldsStandAtTheirOffsets) {
  const auto bytes = RecordCodec::encode(fougere());
  const std::string record(bytes.data(), bytes.size());
  ASSERT_EQ(record.size(), 266u);
  EXPECT_EQ(record.substr(0, 50), "Foug\xE8re aigle" + std::string(37, ' '));
  EXPECT_EQ(record.substr(50, 6), std::string("\xFF\xFF\x02\x00\x00\x00", 6));
  EXPECT_EQ(record.substr(56, 35), "aucune" + std::string(29, ' '));
  EXPECT_EQ(record.substr(91, 16), "non (des spores)");
  EXPECT_EQ(record.substr(231, 35), "toxique" + std::string(28, ' '));
}

TEST(RecordCodec, LongTextsAreCutAndShortOnesPadded) {
  FicheEspece fiche = fougere();
  fiche.Nom = std::string(60, 'n');
  fiche.Info[3] = std::string(40, 'l');
  const FicheEspece back =
      RecordCodec::decode(std::string_view(RecordCodec::encode(fiche).data(), 266));
  EXPECT_EQ(back.Nom, std::string(50, 'n'));
  EXPECT_EQ(back.Info[3], std::string(35, 'l'));
  EXPECT_EQ(back.Info[0], "aucune" + std::string(29, ' '));
}

TEST(RecordCodec, EveryByteOfARecordSurvivesARewrite) {
  std::string record(266, '\0');
  for (std::size_t i = 0; i < record.size(); ++i) record[i] = static_cast<char>((i * 7 + 3) % 256);
  // Every byte value somewhere in the texts.
  for (int b = 0; b < 210; ++b) record[56 + b] = static_cast<char>(b + 46);
  for (int b = 0; b < 46; ++b) record[b] = static_cast<char>(b);
  const auto again = RecordCodec::encode(RecordCodec::decode(record));
  EXPECT_EQ(std::string(again.data(), again.size()), record);
}

TEST(RecordCodec, Int16ExtremesAndCodesOutsideTheTablesAreKept) {
  FicheEspece fiche = fougere();
  fiche.Vegetal = -32768;
  fiche.Groupe = 32767;
  fiche.Repartition = -1;
  const auto bytes = RecordCodec::encode(fiche);
  EXPECT_EQ(std::string(bytes.data() + 50, 6), std::string("\x00\x80\xFF\x7F\xFF\xFF", 6));
  const FicheEspece back = RecordCodec::decode(std::string_view(bytes.data(), bytes.size()));
  EXPECT_EQ(back.Vegetal, -32768);
  EXPECT_EQ(back.Groupe, 32767);
  EXPECT_EQ(back.Repartition, -1);
}

}  // namespace
}  // namespace sylvenor
