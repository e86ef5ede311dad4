#pragma once

#include <sys/types.h>

#include "platform/FileAccess.h"

namespace sylvenor {

// Atomic replacement: a temporary file beside the target, written, flushed to the disk, then
// renamed over it, and the folder synced, so that a failure at any step keeps the former file.
class PosixFileAccess : public FileAccess {
 public:
  FileRead read(const std::filesystem::path& path, std::size_t maxBytes) override;
  FileRead readNoLink(const std::filesystem::path& path, std::size_t maxBytes) override;
  FileError replace(const std::filesystem::path& path, const std::string& octets) override;
  bool exists(const std::filesystem::path& path) override;
  std::filesystem::path linkTarget(const std::filesystem::path& path) override;
  FileError rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  FileError remove(const std::filesystem::path& path) override;
  FileError makeWritable(const std::filesystem::path& path) override;
  FileError createFolders(const std::filesystem::path& path) override;
  FileList listFiles(const std::filesystem::path& folder) override;
  FileError replaceUnflushed(const std::filesystem::path& path, const std::string& octets) override;
  FileError flush(const std::filesystem::path& folder) override;
  FileError link(const std::filesystem::path& from, const std::filesystem::path& to) override;
  FileError removeFolder(const std::filesystem::path& path) override;
  void removeLeftovers(const std::filesystem::path& folder) override;
  std::unique_ptr<FolderLock> lockFolder(const std::filesystem::path& folder) override;
  bool folderBusy(const std::filesystem::path& folder) override;

  // The hidden file that the folder lock is taken on.
  static constexpr const char* kVerrou = ".verrou";

  static FileError fromErrno(int error);

 protected:
  // One write(2); tests override it to simulate a full disk.
  virtual ssize_t writeSome(int fd, const char* data, std::size_t size);

 private:
  FileError writeAll(int fd, const std::string& octets, bool flushed);
  FileError replaceFile(const std::filesystem::path& path, const std::string& octets, bool flushed);
  FileRead readOpened(const std::filesystem::path& path, std::size_t maxBytes, int flags);
};

}  // namespace sylvenor
