#include "species/Cp1252.h"

#include <gtest/gtest.h>

namespace sylvenor {
namespace {

TEST(Cp1252, EveryByteValueSurvivesDecodeThenEncode) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Cp1252::encode(Cp1252::decode(all)), all);
}

TEST(Cp1252, FrenchLettersAreOneByteEach) {
  EXPECT_EQ(Cp1252::encode("Fougère"), "Foug\xE8re");
  EXPECT_EQ(Cp1252::encode("œuf à 2 €"),
            "\x9C"
            "uf \xE0 2 \x80");
  EXPECT_EQ(Cp1252::decode("M\xE9"
                           "duse \x93"
                           "x\x94"),
            "Méduse “x”");
}

TEST(Cp1252, CharactersWithoutASingleByteBecomeQuestionMarks) {
  EXPECT_EQ(Cp1252::encode("a☃b"), "a?b");
  EXPECT_EQ(Cp1252::encode("🐸"), "?");
  // Malformed UTF-8 is replaced byte by byte, never read past the end.
  EXPECT_EQ(Cp1252::encode(std::string("x\xC3", 2)), "x?");
}

TEST(Cp1252, FieldsAreCutByBytesAfterEncodingAndPadded) {
  EXPECT_EQ(Cp1252::encodeField("été", 5), "\xE9t\xE9  ");
  EXPECT_EQ(Cp1252::encodeField("éééééé", 4), "\xE9\xE9\xE9\xE9");
  EXPECT_EQ(Cp1252::encodeField("", 3), "   ");
}

}  // namespace
}  // namespace sylvenor
