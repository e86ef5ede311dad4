#include "teacher/OptionsEleve.h"

#include <gtest/gtest.h>

#include "support/MemorySettingsStore.h"

namespace sylvenor {
namespace {

TEST(OptionsEleve, WritesEveryKeyAsItsTextAndReadsItBack) {
  test::MemorySettingsStore store;
  Reglages reglages(store);
  OptionsEleve options;
  options.impression = true;
  options.tester = false;
  options.choix = false;
  options.compteur = false;
  options.utiliser = {false, true, false, true};
  options.ecrire(reglages);
  const std::map<std::string, std::string> expected = {
      {"Paramètres/Impression", "True"},  {"Paramètres/Tester", "False"},
      {"Paramètres/Choix", "False"},      {"Paramètres/Fiche", "True"},
      {"Paramètres/Enregistrer", "True"}, {"Paramètres/Utiliser_0", "0"},
      {"Paramètres/Utiliser_1", "1"},     {"Paramètres/Utiliser_2", "0"},
      {"Paramètres/Utiliser_3", "1"},     {"Paramètres/Reponse", "True"},
      {"Paramètres/Compteur", "False"}};
  EXPECT_EQ(store.values, expected);
  EXPECT_EQ(OptionsEleve::lire(reglages), options);
}

TEST(OptionsEleve, UnreadableTextsFallBackToTheDefaults) {
  test::MemorySettingsStore store;
  store.values["Paramètres/Impression"] = "abc";
  store.values["Paramètres/Tester"] = "0";
  store.values["Paramètres/Utiliser_2"] = "oui";
  Reglages reglages(store);
  const OptionsEleve options = OptionsEleve::lire(reglages);
  EXPECT_FALSE(options.impression);
  EXPECT_FALSE(options.tester);
  EXPECT_TRUE(options.utiliser[2]);
}

}  // namespace
}  // namespace sylvenor
