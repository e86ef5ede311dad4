#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <thread>

#include "crash/CrashScenario.h"
#include "platform/PosixFileAccess.h"
#include "support/TempDir.h"
#include "teacher/CrashRecovery.h"

namespace sylvenor::test {
namespace {

namespace fs = std::filesystem;
using Operation = CrashScenario::Operation;
using Clock = std::chrono::steady_clock;

constexpr int kKillsPerOperation = 80;
constexpr auto kTimeLimit = std::chrono::seconds(120);

void copyInstallation(const fs::path& from, const fs::path& to) {
  fs::copy(from, to, fs::copy_options::recursive);
}

// Runs the operation in a child process and kills it `delay` after it began, unless it ends
// first. Tells whether the kill came before the end, and how long the child ran.
struct Round {
  bool killed = false;
  std::chrono::microseconds ran{};
};

Round runAndKill(Operation operation, const fs::path& root,
                 std::optional<std::chrono::microseconds> delay) {
  int started[2];
  if (::pipe(started) != 0) return {};
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(started[0]);
    PosixFileAccess files;
    const char go = 1;
    if (::write(started[1], &go, 1) != 1) ::_exit(2);
    CrashScenario::run(operation, root, files);
    ::_exit(0);
  }
  ::close(started[1]);
  char go = 0;
  const bool began = ::read(started[0], &go, 1) == 1;
  const auto start = Clock::now();
  ::close(started[0]);
  if (began && delay) {
    std::this_thread::sleep_for(*delay);
    ::kill(child, SIGKILL);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return {WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
          std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start)};
}

// How long the operation takes in a child process, the slowest of a few runs.
std::chrono::microseconds childDuration(Operation operation, const fs::path& model) {
  std::chrono::microseconds longest{};
  for (int run = 0; run < 5; ++run) {
    TempDir round;
    copyInstallation(model, round.path());
    longest = std::max(longest, runAndKill(operation, round.path(), std::nullopt).ran);
  }
  return longest;
}

unsigned seed() {
  if (const char* chosen = std::getenv("SYLVENOR_CRASH_SEED")) {
    return static_cast<unsigned>(std::strtoul(chosen, nullptr, 10));
  }
  return std::random_device{}();
}

// The files that differ from a state, missing ones included.
std::string differences(const CrashScenario::View& seen, const CrashScenario::View& state) {
  std::string text;
  for (const auto& [file, bytes] : seen) {
    if (!state.contains(file) || state.at(file) != bytes) text += " " + file;
  }
  for (const auto& [file, bytes] : state) {
    if (!seen.contains(file)) text += " -" + file;
  }
  return text;
}

class CrashSafetyTest : public ::testing::TestWithParam<Operation> {};

// After each kill, the start-up recovery runs, then the whole visible installation must be
// exactly as before the operation or as after it.
TEST_P(CrashSafetyTest, AKillAtAnyMomentLeavesTheInstallationAsBeforeOrAsAfter) {
  const Operation operation = GetParam();
  TempDir model;
  CrashScenario::install(model.path());
  const CrashScenario::View before = CrashScenario::view(model.path());

  TempDir finished;
  copyInstallation(model.path(), finished.path());
  PosixFileAccess files;
  ASSERT_EQ(CrashScenario::run(operation, finished.path(), files), FileError::Aucune);
  const CrashScenario::View after = CrashScenario::view(finished.path());
  const std::chrono::microseconds duration = childDuration(operation, model.path());
  ASSERT_NE(before, after);

  const unsigned chosen = seed();
  std::mt19937 random(chosen);
  std::uniform_int_distribution<long> delays(0, duration.count() * 3 / 2);
  int kills = 0;
  int rounds = 0;
  int asBefore = 0;
  int asAfter = 0;
  int finishedAtStart = 0;  // removals the recovery had to finish or forget
  const auto limit = Clock::now() + kTimeLimit;
  while (kills < kKillsPerOperation && Clock::now() < limit) {
    TempDir round;
    copyInstallation(model.path(), round.path());
    ++rounds;
    kills += runAndKill(operation, round.path(), std::chrono::microseconds(delays(random))).killed;
    finishedAtStart +=
        fs::exists(CrashScenario::programme(round.path()) / "data" / ".suppression") ? 1 : 0;
    CrashRecovery::run(files, CrashScenario::programme(round.path()));
    const CrashScenario::View seen = CrashScenario::view(round.path());
    if (seen == before) {
      ++asBefore;
    } else if (seen == after) {
      ++asAfter;
    } else {
      FAIL() << CrashScenario::name(operation) << ", round " << rounds << ", seed " << chosen
             << ": unlike before:" << differences(seen, before)
             << "; unlike after:" << differences(seen, after);
    }
  }
  std::cout << CrashScenario::name(operation) << ": " << kills << " kills in " << rounds
            << " rounds (operation " << duration.count() << " µs, seed " << chosen << "), "
            << asBefore << " as before, " << asAfter << " as after, " << finishedAtStart
            << " left to the recovery\n";
  EXPECT_GE(kills, kKillsPerOperation) << "seed " << chosen;
  EXPECT_GT(asBefore, 0);
  EXPECT_GT(asAfter, 0);
}

std::string testName(const ::testing::TestParamInfo<Operation>& info) {
  static const char* const names[] = {"RewriteBase", "SaveKey", "RemoveSpecies", "ImportPackage"};
  return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Operations, CrashSafetyTest,
                         ::testing::Values(Operation::RewriteBase, Operation::SaveKey,
                                           Operation::RemoveSpecies, Operation::ImportPackage),
                         testName);

}  // namespace
}  // namespace sylvenor::test
