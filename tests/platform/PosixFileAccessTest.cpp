#include "platform/PosixFileAccess.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/TempDir.h"

namespace sylvenor {
namespace {

using test::TempDir;

TEST(PosixFileAccess, ReadStopsAtTheLimitAndSaysWhetherTheFileGoesOn) {
  TempDir dir;
  TempDir::writeFile(dir / "f", std::string(200000, 'a') + "b");
  PosixFileAccess files;
  const FileRead whole = files.read(dir / "f", 200001);
  EXPECT_EQ(whole.erreur, FileError::Aucune);
  EXPECT_EQ(whole.octets.size(), 200001u);
  EXPECT_FALSE(whole.tronque);
  const FileRead cut = files.read(dir / "f", 70000);
  EXPECT_EQ(cut.octets, std::string(70000, 'a'));
  EXPECT_TRUE(cut.tronque);
}

TEST(PosixFileAccess, ReadErrorsCarryTheirFileErrorNumber) {
  TempDir dir;
  PosixFileAccess files;
  EXPECT_EQ(files.read(dir / "absent", 10).erreur, FileError::NonTrouve);
  EXPECT_EQ(files.read(dir.path(), 10).erreur, FileError::AccesRefuse);
  // A named pipe is refused at once instead of waiting for a writer.
  ASSERT_EQ(::mkfifo((dir / "tube").c_str(), 0644), 0);
  EXPECT_EQ(files.read(dir / "tube", 10).erreur, FileError::AccesRefuse);
  EXPECT_EQ(static_cast<int>(FileError::NonTrouve), 53);
  EXPECT_EQ(static_cast<int>(FileError::DisquePlein), 61);
  EXPECT_EQ(static_cast<int>(FileError::AccesRefuse), 75);
}

TEST(PosixFileAccess, ReplaceWritesTheWholeFileAndLeavesNothingBeside) {
  TempDir dir;
  PosixFileAccess files;
  TempDir::writeFile(dir / "f", std::string(5000, 'o'));
  ASSERT_EQ(files.replace(dir / "f", "neuf"), FileError::Aucune);
  EXPECT_EQ(TempDir::readFile(dir / "f"), "neuf");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
  EXPECT_EQ(files.replace(dir / "absent" / "f", "x"), FileError::NonTrouve);
}

}  // namespace
}  // namespace sylvenor
