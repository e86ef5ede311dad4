#pragma once

#include <filesystem>
#include <string>

namespace sylvenor::test {

// A small memory disk mounted on a folder and seen by this test process alone: it goes with
// the process, and the machine's own mounts are never touched. Needs a private mount
// namespace, which some containers refuse; `why` then tells the test to skip.
class PrivateDisk {
 public:
  PrivateDisk(const std::filesystem::path& folder, const std::string& size);
  ~PrivateDisk();
  PrivateDisk(const PrivateDisk&) = delete;
  PrivateDisk& operator=(const PrivateDisk&) = delete;

  bool mounted() const { return why_.empty(); }
  const std::string& why() const { return why_; }
  bool makeReadOnly();
  // Writes into `file` until the disk refuses more.
  static void fill(const std::filesystem::path& file);

 private:
  std::filesystem::path folder_;
  std::string why_;
};

}  // namespace sylvenor::test
