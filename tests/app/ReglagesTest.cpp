#include "app/Reglages.h"

#include <gtest/gtest.h>

#include "app/Securite.h"
#include "support/MemorySettingsStore.h"

namespace sylvenor {
namespace {

using MapStore = test::MemorySettingsStore;

TEST(Reglages, TextsConvertLikeTheStoredFormsAndAnythingElseGivesTheDefault) {
  MapStore store;
  Reglages reglages(store);
  const std::pair<const char*, bool> booleans[] = {
      {"True", true}, {"False", false}, {"true", true}, {"FALSE", false},
      {"1", true},    {"0", false},     {"-1", true},   {" 2 ", true}};
  for (const auto& [text, expected] : booleans) {
    store.values["S/k"] = text;
    EXPECT_EQ(reglages.booleen("S", "k", !expected), expected) << text;
  }
  for (const char* text : {"abc", "", "Truee", "1.5", "0x1"}) {
    store.values["S/k"] = text;
    EXPECT_FALSE(reglages.booleen("S", "k", false)) << text;
    EXPECT_TRUE(reglages.booleen("S", "k", true)) << text;
    EXPECT_EQ(reglages.entier("S", "k", 7), 7) << text;
  }
  store.values["S/k"] = "99999";
  EXPECT_EQ(reglages.entier("S", "k", 3), 3);
  store.values["S/k"] = "-32768";
  EXPECT_EQ(reglages.entier("S", "k", 3), -32768);
  EXPECT_EQ(reglages.texte("S", "absent", "défaut"), "défaut");
  EXPECT_TRUE(store.values.find("S/absent") == store.values.end());
}

TEST(Reglages, BooleansAndIntegersAreWrittenAsTheirFixedTexts) {
  MapStore store;
  Reglages reglages(store);
  reglages.ecrireBooleen("P", "a", true);
  reglages.ecrireBooleen("P", "b", false);
  reglages.ecrireEntier("P", "c", 2);
  EXPECT_EQ(store.values["P/a"], "True");
  EXPECT_EQ(store.values["P/b"], "False");
  EXPECT_EQ(store.values["P/c"], "2");
}

TEST(Securite, QuitModes) {
  MapStore store;
  Reglages reglages(store);
  EXPECT_EQ(Securite::actionQuitter(reglages), ActionQuitter::Terminer);
  const std::pair<const char*, ActionQuitter> modes[] = {
      {"0", ActionQuitter::Terminer},   {"1", ActionQuitter::Eteindre},
      {"2", ActionQuitter::Redemarrer}, {"3", ActionQuitter::Rien},
      {"-1", ActionQuitter::Rien},      {"abc", ActionQuitter::Terminer}};
  for (const auto& [text, action] : modes) {
    store.values["Sécurité/QuitMod"] = text;
    EXPECT_EQ(Securite::actionQuitter(reglages), action) << text;
  }
}

}  // namespace
}  // namespace sylvenor
