// Starts the program on the sample installation and a bare Qt window in turn, each until its
// window is painted, on the offscreen platform and with settings in a temporary folder:
//   build/bench/startup_comparison
// Prints the median time and the peak memory of each, and their ratios.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 15;

struct Run {
  double millis = 0;
  long peakKiB = 0;
  bool ok = false;
};

Run start(const std::vector<std::string>& command) {
  const auto begin = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child == 0) {
    std::vector<char*> args;
    for (const std::string& arg : command) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    // Qt's notes about the offscreen platform would hide the figures.
    const int quiet = ::open("/dev/null", O_WRONLY);
    ::dup2(quiet, STDERR_FILENO);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - begin;
  return {took.count(), usage.ru_maxrss, WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

struct Summary {
  double medianMillis = 0;
  long peakKiB = 0;
};

Summary summarise(std::vector<Run> runs) {
  std::sort(runs.begin(), runs.end(),
            [](const Run& a, const Run& b) { return a.millis < b.millis; });
  Summary summary{runs[runs.size() / 2].millis, 0};
  for (const Run& run : runs) summary.peakKiB = std::max(summary.peakKiB, run.peakKiB);
  return summary;
}

}  // namespace

int main() {
  char pattern[] = "/tmp/sylvenor-startup-XXXXXX";
  const std::filesystem::path config = ::mkdtemp(pattern);
  ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const std::vector<std::string> programme = {SYLVENOR_STARTUP_PROGRAM, SYLVENOR_SAMPLE_DIR};
  const std::vector<std::string> bare = {SYLVENOR_BARE_WINDOW};
  start(programme);  // the first run fills the disk cache for both
  start(bare);
  std::vector<Run> programmeRuns;
  std::vector<Run> bareRuns;
  for (int i = 0; i < kRuns; ++i) {
    programmeRuns.push_back(start(programme));
    bareRuns.push_back(start(bare));
    if (!programmeRuns.back().ok || !bareRuns.back().ok) {
      std::fprintf(stderr, "a start-up failed\n");
      return 1;
    }
  }
  std::filesystem::remove_all(config);
  const Summary p = summarise(programmeRuns);
  const Summary b = summarise(bareRuns);
  std::printf("%-34s %10s %12s\n", "", "median", "peak memory");
  std::printf("%-34s %7.1f ms %9ld KiB\n", "Sylvenor, start screen painted", p.medianMillis,
              p.peakKiB);
  std::printf("%-34s %7.1f ms %9ld KiB\n", "bare Qt window, painted", b.medianMillis, b.peakKiB);
  std::printf("%-34s %9.2fx %11.2fx\n", "ratio", p.medianMillis / b.medianMillis,
              static_cast<double>(p.peakKiB) / static_cast<double>(b.peakKiB));
  return 0;
}
