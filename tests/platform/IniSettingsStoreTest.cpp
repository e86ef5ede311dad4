#include "platform/IniSettingsStore.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace sylvenor {
namespace {

using test::TempDir;

QString fileIn(const TempDir& dir) {
  return QString::fromStdString((dir / "brambel-Sylvenor.ini").string());
}

TEST(IniSettingsStore, ValuesComeBackAsTheTextsWrittenUnderTheirSection) {
  TempDir dir;
  {
    IniSettingsStore store(fileIn(dir));
    store.setValue("Sécurité", "Pswrd", "mot de passe, à virgule");
    store.setValue("Paramètres", "Impression", "True");
    EXPECT_FALSE(store.value("Paramètres", "Tester").has_value());
  }
  IniSettingsStore again(fileIn(dir));
  EXPECT_EQ(again.value("Sécurité", "Pswrd"), "mot de passe, à virgule");
  EXPECT_EQ(again.value("Paramètres", "Impression"), "True");
  EXPECT_FALSE(again.value("Paramètres", "Pswrd").has_value());
}

TEST(IniSettingsStore, EachWriteIsOnTheDiskAtOnce) {
  TempDir dir;
  IniSettingsStore store(fileIn(dir));
  store.setValue("Paramètres", "DejaVu", "True");
  const std::string text = TempDir::readFile(dir / "brambel-Sylvenor.ini");
  EXPECT_NE(text.find("DejaVu=True"), std::string::npos) << text;
}

TEST(IniSettingsStore, AValueEditedByHandWithACommaReadsWhole) {
  TempDir dir;
  TempDir::writeFile(dir / "brambel-Sylvenor.ini", "[Test]\nPswrd=a,b\n");
  IniSettingsStore store(fileIn(dir));
  EXPECT_EQ(store.value("Test", "Pswrd"), "a,b");
}

}  // namespace
}  // namespace sylvenor
