#include <gtest/gtest.h>

#include "crash/CrashScenario.h"
#include "crash/PrivateDisk.h"
#include "platform/IniSettingsStore.h"
#include "platform/PosixFileAccess.h"
#include "results/ResultatsEleves.h"
#include "support/TempDir.h"
#include "teacher/TransfertFiches.h"
#include "workshop/ClassificationsEnregistrees.h"

namespace sylvenor::test {
namespace {

using Operation = CrashScenario::Operation;

constexpr Operation kOperations[] = {Operation::RewriteBase, Operation::SaveKey,
                                     Operation::RemoveSpecies, Operation::ImportPackage};
constexpr const char* kFiller = "remplissage";

CrashScenario::View withoutFiller(const std::filesystem::path& root) {
  CrashScenario::View files = CrashScenario::everything(root);
  files.erase(kFiller);
  return files;
}

// Each change on an installation whose disk has no room or takes no writing: the error the
// windows turn into their message, and not one byte changed.
void expectRefused(const std::filesystem::path& root, FileError expected) {
  const CrashScenario::View before = withoutFiller(root);
  PosixFileAccess files;
  for (const Operation operation : kOperations) {
    SCOPED_TRACE(CrashScenario::name(operation));
    EXPECT_EQ(CrashScenario::run(operation, root, files), expected);
    EXPECT_EQ(withoutFiller(root), before);
  }
  // A pupil's result: refused too, and nothing half-written left for the results screen.
  ResultatEleve resultat;
  resultat.eleve = "Léa";
  resultat.recap = std::string(20000, 'r');
  EXPECT_EQ(ResultatsEleves(files, CrashScenario::programme(root)).enregistrer(resultat), expected);
  EXPECT_EQ(withoutFiller(root), before);
}

TEST(FullDiskTest, EveryChangeIsRefusedWithTheFullDiskMessageAndNothingIsLost) {
  TempDir root;
  PrivateDisk disk(root.path(), "2m");
  if (!disk.mounted()) GTEST_SKIP() << disk.why();
  CrashScenario::install(root.path());
  PrivateDisk::fill(root / kFiller);
  expectRefused(root.path(), FileError::DisquePlein);
  EXPECT_EQ(TransfertFiches::messageErreur(FileError::DisquePlein),
            "Disque(tte) plein(e).\nTraitement impossible\n\n"
            "Vérifiez que vous ne tentez pas d'écrire sur un CD-ROM.");
  EXPECT_EQ(ClassificationsEnregistrees::messageErreur(
                FileError::DisquePlein, ClassificationsEnregistrees::Operation::Enregistrement),
            "Erreur non reconnue.\nerreur 61\nTraitement interrompu.\n\n"
            "Vérifiez que le logiciel n'est pas lancé depuis un CD-ROM.");
}

TEST(ReadOnlyDiskTest, EveryChangeIsRefusedWithTheReadOnlyMessageAndNothingIsLost) {
  TempDir root;
  PrivateDisk disk(root.path(), "2m");
  if (!disk.mounted()) GTEST_SKIP() << disk.why();
  CrashScenario::install(root.path());
  ASSERT_TRUE(disk.makeReadOnly());
  expectRefused(root.path(), FileError::AccesRefuse);
  EXPECT_EQ(TransfertFiches::messageErreur(FileError::AccesRefuse),
            "Au moins un des fichiers est en lecture seule.\nTraitement impossible.\n\n"
            "Vérifiez que vous ne tentez pas d'écrire sur un CD-ROM.");
  EXPECT_EQ(ClassificationsEnregistrees::messageErreur(
                FileError::AccesRefuse, ClassificationsEnregistrees::Operation::Enregistrement),
            "Fichiers en lecture seule.\nTraitement impossible.\n\n"
            "Vérifiez que le logiciel n'est pas lancé depuis un CD-ROM.");
}

// Even the administrator cannot write a read-only disk: a settings write says it failed.
TEST(ReadOnlyDiskTest, ASettingsWriteThatCannotReachTheDiskSaysSo) {
  TempDir root;
  PrivateDisk disk(root.path(), "2m");
  if (!disk.mounted()) GTEST_SKIP() << disk.why();
  const QString file = QString::fromStdString((root / "brambel-Sylvenor.ini").string());
  EXPECT_TRUE(IniSettingsStore(file).setValue("Sécurité", "Pass", "0"));
  ASSERT_TRUE(disk.makeReadOnly());
  IniSettingsStore store(file);
  EXPECT_FALSE(store.setValue("Sécurité", "Pass", "1"));
  EXPECT_NE(TempDir::readFile(root / "brambel-Sylvenor.ini").find("Pass=0"), std::string::npos);
}

}  // namespace
}  // namespace sylvenor::test
