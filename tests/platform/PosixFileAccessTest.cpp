#include "platform/PosixFileAccess.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <vector>

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
  struct stat info {};
  ASSERT_EQ(::stat((dir / "f").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u);
  // In a folder shared by a group, the group's other members may replace it next.
  ASSERT_EQ(::chmod(dir.path().c_str(), 02775), 0);
  ASSERT_EQ(files.replace(dir / "f", "groupe"), FileError::Aucune);
  ASSERT_EQ(::stat((dir / "f").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0664u);
}

// What a crash leaves of a replacement is a hidden name ending in six letters or digits; the
// start-up clearing removes those and nothing else.
TEST(PosixFileAccess, LeftoversOfInterruptedReplacementsGoAndOtherFilesStay) {
  TempDir dir;
  PosixFileAccess files;
  for (const char* name : {".base.dat.aZ09xy", ".12grand.jpg.Q1w2E3", "base.dat", ".directory",
                           ".base.dat.abc", ".x.toolong7", "a.b.cdefgh"}) {
    TempDir::writeFile(dir / name, name);
  }
  std::filesystem::create_directory(dir / ".folder.abcdef");
  files.removeLeftovers(dir.path());
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    left.push_back(entry.path().filename());
  }
  std::ranges::sort(left);
  EXPECT_EQ(left, (std::vector<std::string>{".base.dat.abc", ".directory", ".folder.abcdef",
                                            ".x.toolong7", "a.b.cdefgh", "base.dat"}));
}

TEST(PosixFileAccess, ALinkIsASecondNameOfTheSameBytesAndNeverReplacesAFile) {
  TempDir dir;
  PosixFileAccess files;
  TempDir::writeFile(dir / "12.jpg", "photo");
  TempDir::writeFile(dir / "11.jpg", "other");
  ASSERT_EQ(files.link(dir / "12.jpg", dir / "copie.jpg"), FileError::Aucune);
  EXPECT_TRUE(std::filesystem::equivalent(dir / "12.jpg", dir / "copie.jpg"));
  EXPECT_EQ(files.link(dir / "12.jpg", dir / "11.jpg"), FileError::Autre);
  EXPECT_EQ(TempDir::readFile(dir / "11.jpg"), "other");
  EXPECT_EQ(files.link(dir / "absent.jpg", dir / "x.jpg"), FileError::NonTrouve);
  ASSERT_EQ(files.replaceUnflushed(dir / "13.jpg", "new"), FileError::Aucune);
  EXPECT_EQ(files.flush(dir.path()), FileError::Aucune);
  EXPECT_EQ(TempDir::readFile(dir / "13.jpg"), "new");
  EXPECT_EQ(files.removeFolder(dir.path()), FileError::Aucune);
  EXPECT_FALSE(std::filesystem::exists(dir.path()));
  EXPECT_EQ(files.removeFolder(dir.path()), FileError::Aucune);
}

// While one copy of the program holds the data folder, another cannot take it.
TEST(PosixFileAccess, AFolderLockKeepsOtherProcessesOut) {
  TempDir dir;
  PosixFileAccess files;
  const auto tryLock = [&dir] {
    const pid_t child = ::fork();
    if (child == 0) {
      const int fd = ::open((dir / PosixFileAccess::kVerrou).c_str(), O_RDONLY);
      ::_exit(fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  };
  {
    const std::unique_ptr<FolderLock> held = files.lockFolder(dir.path());
    ASSERT_NE(held, nullptr);
    EXPECT_FALSE(tryLock());
    // A start waiting behind the lock can say why.
    EXPECT_TRUE(files.folderBusy(dir.path()));
  }
  EXPECT_TRUE(tryLock());
  EXPECT_FALSE(files.folderBusy(dir.path()));
}

}  // namespace
}  // namespace sylvenor
