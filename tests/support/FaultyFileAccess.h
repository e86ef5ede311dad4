#pragma once

#include <array>
#include <filesystem>

#include "platform/PosixFileAccess.h"

namespace sylvenor::test {

// The real file access, except that one call of a chosen kind fails.
class FaultyFileAccess : public PosixFileAccess {
 public:
  // A replacement left unflushed counts as a replacement.
  enum class Operation { Replace, Rename, Remove, MakeWritable, Link, Count };

  // The nth call from now (1 = the next one) fails with `error`; the others work.
  void failOn(Operation operation, int nth, FileError error = FileError::AccesRefuse);
  int calls(Operation operation) const { return calls_[index(operation)]; }

  FileError replace(const std::filesystem::path& path, const std::string& octets) override;
  FileError rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  FileError remove(const std::filesystem::path& path) override;
  FileError makeWritable(const std::filesystem::path& path) override;
  FileError replaceUnflushed(const std::filesystem::path& path, const std::string& octets) override;
  FileError link(const std::filesystem::path& from, const std::filesystem::path& to) override;

 private:
  static std::size_t index(Operation operation) { return static_cast<std::size_t>(operation); }
  bool fails(Operation operation);

  std::array<int, static_cast<std::size_t>(Operation::Count)> calls_{};
  std::array<int, static_cast<std::size_t>(Operation::Count)> failing_{};
  std::array<FileError, static_cast<std::size_t>(Operation::Count)> errors_{};
};

}  // namespace sylvenor::test
