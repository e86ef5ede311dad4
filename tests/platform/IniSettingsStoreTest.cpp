#include "platform/IniSettingsStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <filesystem>

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

// A pipe or a folder in place of the file would hang or fail the start: the settings then live
// in memory for the run, and every write says it did not reach the disk.
TEST(IniSettingsStore, ASettingsFileThatIsNoRegularFileIsNeverOpened) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "brambel-Sylvenor.ini").c_str(), 0600), 0);
  std::filesystem::create_directory(dir / "dossier.ini");
  for (const char* name : {"brambel-Sylvenor.ini", "dossier.ini"}) {
    IniSettingsStore store(QString::fromStdString((dir / name).string()));
    EXPECT_FALSE(store.value("Paramètres", "Choix").has_value()) << name;
    EXPECT_FALSE(store.setValue("Paramètres", "Choix", "False")) << name;
    EXPECT_EQ(store.value("Paramètres", "Choix"), "False") << name;
  }
  EXPECT_TRUE(std::filesystem::is_fifo(dir / "brambel-Sylvenor.ini"));
}

// A settings file shared through a link keeps its link: the write reaches the shared file.
TEST(IniSettingsStore, ALinkedSettingsFileIsWrittenThrough) {
  TempDir dir;
  TempDir::writeFile(dir / "partage.ini", "[Paramètres]\nChoix=True\n");
  std::filesystem::create_symlink(dir / "partage.ini", dir / "brambel-Sylvenor.ini");
  IniSettingsStore store(fileIn(dir));
  EXPECT_EQ(store.value("Paramètres", "Choix"), "True");
  EXPECT_TRUE(store.setValue("Paramètres", "Choix", "False"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "brambel-Sylvenor.ini"));
  EXPECT_NE(TempDir::readFile(dir / "partage.ini").find("Choix=False"), std::string::npos);
}

// The school's file, made by the administrator from a teacher's, gives every account the
// teacher's choices until the account makes its own; it is never written.
TEST(IniSettingsStore, TheSchoolFileGivesWhatTheAccountHasNotSetAndIsNeverWritten) {
  TempDir home;
  TempDir etc;
  IniSettingsStore(fileIn(etc)).setValue("Sécurité", "Pswrd", "chêne");
  IniSettingsStore(fileIn(etc)).setValue("Paramètres", "Choix", "False");
  const std::string school = TempDir::readFile(etc / "brambel-Sylvenor.ini");
  {
    IniSettingsStore pupil(fileIn(home), fileIn(etc));
    EXPECT_EQ(pupil.value("Sécurité", "Pswrd"), "chêne");
    EXPECT_TRUE(pupil.setValue("Paramètres", "Choix", "True"));
    EXPECT_EQ(pupil.value("Paramètres", "Choix"), "True");
    EXPECT_FALSE(pupil.value("Paramètres", "Fiche").has_value());
  }
  EXPECT_EQ(TempDir::readFile(etc / "brambel-Sylvenor.ini"), school);

  // Found in the system's config folders; a pipe there is never opened.
  TempDir pipe;
  ASSERT_EQ(::mkfifo((pipe / "brambel-Sylvenor.ini").c_str(), 0600), 0);
  EXPECT_FALSE(IniSettingsStore(fileIn(home), fileIn(pipe)).value("Sécurité", "Pswrd"));
  const QByteArray config = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(QString::fromStdString(home.path().string())));
  qputenv("XDG_CONFIG_DIRS", QFile::encodeName(QString::fromStdString((home / "vide:").string() +
                                                                      etc.path().string())));
  EXPECT_EQ(IniSettingsStore().value("Sécurité", "Pswrd"), "chêne");
  EXPECT_EQ(IniSettingsStore().value("Paramètres", "Choix"), "True");
  qputenv("XDG_CONFIG_HOME", config);
  qunsetenv("XDG_CONFIG_DIRS");
}

}  // namespace
}  // namespace sylvenor
