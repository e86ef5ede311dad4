#include "species/BaseEspeces.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/PosixFileAccess.h"
#include "species/RecordCodec.h"
#include "support/FailingFileAccess.h"
#include "support/TempDir.h"

namespace sylvenor {
namespace {

using test::TempDir;

std::string recordBytes(int number) {
  FicheEspece fiche;
  fiche.Nom = "Espèce " + std::to_string(number);
  fiche.Vegetal = static_cast<std::int16_t>(number % 2 == 0 ? 0 : -1);
  fiche.Groupe = static_cast<std::int16_t>(number % 6);
  fiche.Repartition = static_cast<std::int16_t>(number % 4);
  fiche.Info[0] = "ligne " + std::to_string(number);
  const auto bytes = RecordCodec::encode(fiche);
  return std::string(bytes.data(), bytes.size());
}

std::string fileOf(int count) {
  std::string bytes;
  for (int n = 1; n <= count; ++n) bytes += recordBytes(n);
  return bytes;
}

class BaseEspecesTest : public ::testing::Test {
 protected:
  std::filesystem::path baseFile() const { return BaseEspeces::cheminBase(dir_.path()); }
  void writeBase(const std::string& bytes) const { TempDir::writeFile(baseFile(), bytes); }
  BaseEspeces load() {
    BaseEspeces base;
    base.ChargerBase(files_, dir_.path());
    return base;
  }

  TempDir dir_;
  PosixFileAccess files_;
};

TEST_F(BaseEspecesTest, EmptyShortAndMissingFilesGiveAnEmptyBase) {
  EXPECT_EQ(load().NbFiches(), 0);
  writeBase("");
  EXPECT_EQ(load().NbFiches(), 0);
  writeBase(std::string(265, 'x'));
  EXPECT_EQ(load().NbFiches(), 0);
}

TEST_F(BaseEspecesTest, IncompleteTrailingRecordIsDroppedAndGoneAfterRewrite) {
  writeBase(fileOf(3) + "partial");
  BaseEspeces base = load();
  ASSERT_EQ(base.NbFiches(), 3);
  EXPECT_EQ(base.fiche(3).Nom, "Espèce 3" + std::string(42, ' '));
  ASSERT_EQ(base.EnregBase(files_, dir_.path()), FileError::Aucune);
  EXPECT_TRUE(TempDir::readFile(baseFile()) == fileOf(3));
}

TEST_F(BaseEspecesTest, FullFileLoadsWhollyAndRewritesByteForByte) {
  writeBase(fileOf(265));
  EXPECT_EQ(load().NbFiches(), 265);
  writeBase(fileOf(299));
  BaseEspeces base = load();
  ASSERT_EQ(base.NbFiches(), 299);
  EXPECT_EQ(base.fiche(299).Info[0], "ligne 299" + std::string(26, ' '));
  EXPECT_FALSE(base.surplusNonSauvegarde());
  ASSERT_EQ(base.EnregBase(files_, dir_.path()), FileError::Aucune);
  EXPECT_TRUE(TempDir::readFile(baseFile()) == fileOf(299));
  EXPECT_FALSE(std::filesystem::exists(BaseEspeces::cheminSauvegarde(dir_.path())));
}

TEST_F(BaseEspecesTest, FileBeyondCapacityIsKeptAsBackupBeforeTheFirstRewrite) {
  const std::string original = fileOf(350);
  writeBase(original);
  BaseEspeces base = load();
  ASSERT_EQ(base.NbFiches(), 299);
  EXPECT_TRUE(base.surplusNonSauvegarde());
  ASSERT_EQ(base.EnregBase(files_, dir_.path()), FileError::Aucune);
  EXPECT_TRUE(TempDir::readFile(BaseEspeces::cheminSauvegarde(dir_.path())) == original);
  EXPECT_TRUE(TempDir::readFile(baseFile()) == fileOf(299));
  // The backup is the file as it was at the start, not overwritten by later saves.
  ASSERT_EQ(base.EnregBase(files_, dir_.path()), FileError::Aucune);
  EXPECT_TRUE(TempDir::readFile(BaseEspeces::cheminSauvegarde(dir_.path())) == original);
}

TEST_F(BaseEspecesTest, ThreeHundredRecordsAreBeyondCapacityButTwoHundredNinetyNineAndAHalfAreNot) {
  writeBase(fileOf(299) + std::string(100, 'x'));
  EXPECT_FALSE(load().surplusNonSauvegarde());
  writeBase(fileOf(300));
  EXPECT_TRUE(load().surplusNonSauvegarde());
}

// A school may share one base among installations through a link: the shared file gets the
// change and the link stays; a link whose file is missing (a share not mounted) is never
// replaced by an empty base.
TEST_F(BaseEspecesTest, ABaseReachedThroughALinkIsWrittenWhereItLeads) {
  TempDir partage;
  TempDir::writeFile(partage / "base.dat", fileOf(2));
  std::filesystem::create_directories(baseFile().parent_path());
  std::filesystem::create_symlink(partage / "base.dat", baseFile());
  BaseEspeces base = load();
  ASSERT_EQ(base.NbFiches(), 2);
  base.ajouter(RecordCodec::decode(recordBytes(3)));
  ASSERT_EQ(base.EnregBase(files_, dir_.path()), FileError::Aucune);
  EXPECT_TRUE(std::filesystem::is_symlink(baseFile()));
  EXPECT_EQ(TempDir::readFile(partage / "base.dat"), fileOf(3));

  std::filesystem::remove(partage / "base.dat");
  BaseEspeces absente = load();
  EXPECT_EQ(absente.NbFiches(), 0);
  EXPECT_NE(absente.EnregBase(files_, dir_.path()), FileError::Aucune);
  EXPECT_TRUE(std::filesystem::is_symlink(baseFile()));
  EXPECT_FALSE(std::filesystem::exists(partage / "base.dat"));
}

TEST_F(BaseEspecesTest, RewriteLengthFollowsTheCount) {
  writeBase(fileOf(10));
  BaseEspeces base = load();
  base.setNbFiches(4);
  ASSERT_EQ(base.EnregBase(files_, dir_.path()), FileError::Aucune);
  EXPECT_TRUE(TempDir::readFile(baseFile()) == fileOf(4));
  base.setNbFiches(0);
  ASSERT_EQ(base.EnregBase(files_, dir_.path()), FileError::Aucune);
  EXPECT_EQ(std::filesystem::file_size(baseFile()), 0u);
}

TEST_F(BaseEspecesTest, FailedRewriteOnAFullDiskLeavesTheOldFileAndNoTemporary) {
  const std::string original = fileOf(20);
  writeBase(original);
  BaseEspeces base = load();
  base.fiche(1).Nom = "Changée";
  for (const std::size_t room : {std::size_t{0}, std::size_t{1}, std::size_t{266 * 7 + 3}}) {
    test::FailingFileAccess full(room);
    EXPECT_EQ(base.EnregBase(full, dir_.path()), FileError::DisquePlein) << room;
    EXPECT_TRUE(TempDir::readFile(baseFile()) == original) << room;
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(baseFile().parent_path())) {
      ++entries;
    }
    EXPECT_EQ(entries, 1u) << room;
  }
}

TEST_F(BaseEspecesTest, MissingDataFolderGivesAnEmptyBaseAndARefusedRewriteIsReported) {
  BaseEspeces base = load();
  EXPECT_EQ(base.NbFiches(), 0);
  ASSERT_TRUE(base.ajouter(FicheEspece{}));
  EXPECT_EQ(base.EnregBase(files_, dir_.path()), FileError::NonTrouve);
  // With its folder there, a fresh installation gets an empty base file.
  std::filesystem::create_directories(baseFile().parent_path());
  EXPECT_EQ(load().NbFiches(), 0);
  EXPECT_TRUE(std::filesystem::exists(baseFile()));
}

TEST_F(BaseEspecesTest, ReadOnlyFolderRefusesTheRewriteAndKeepsTheFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  writeBase(fileOf(2));
  BaseEspeces base = load();
  ::chmod(baseFile().parent_path().c_str(), 0555);
  EXPECT_EQ(base.EnregBase(files_, dir_.path()), FileError::AccesRefuse);
  ::chmod(baseFile().parent_path().c_str(), 0755);
  EXPECT_TRUE(TempDir::readFile(baseFile()) == fileOf(2));
}

TEST_F(BaseEspecesTest, UnreadableBaseIsNeverOverwrittenByTheEmptyTable) {
  std::filesystem::create_directories(baseFile());  // a folder where the file should be
  BaseEspeces base = load();
  EXPECT_EQ(base.NbFiches(), 0);
  ASSERT_TRUE(base.ajouter(FicheEspece{}));
  EXPECT_NE(base.EnregBase(files_, dir_.path()), FileError::Aucune);
  EXPECT_TRUE(std::filesystem::is_directory(baseFile()));
}

TEST(BaseEspeces, HoldsAtMostTwoHundredNinetyNineCards) {
  BaseEspeces base;
  for (int n = 0; n < 299; ++n) ASSERT_TRUE(base.ajouter(FicheEspece{}));
  EXPECT_FALSE(base.ajouter(FicheEspece{}));
  EXPECT_EQ(base.NbFiches(), 299);
}

}  // namespace
}  // namespace sylvenor
