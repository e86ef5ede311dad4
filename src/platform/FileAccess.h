#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/FileError.h"

namespace sylvenor {

struct FileRead {
  FileError erreur = FileError::Aucune;
  std::string octets;
  bool tronque = false;  // the file holds more than the bytes asked for
};

struct FileList {
  FileError erreur = FileError::Aucune;
  std::vector<std::string> noms;
};

// Held while the data folder changes; released when destroyed.
class FolderLock {
 public:
  virtual ~FolderLock() = default;
};

// The files the model reads and writes. Tests replace it to make the disk fail on purpose.
class FileAccess {
 public:
  virtual ~FileAccess() = default;
  // Reads at most `maxBytes` bytes from the start of the file.
  virtual FileRead read(const std::filesystem::path& path, std::size_t maxBytes) = 0;
  // Reads as `read` does, but refuses a symbolic link: for the files that others may put where
  // the program looks (card packages, saved keys), so that a link never hands over another file.
  virtual FileRead readNoLink(const std::filesystem::path& path, std::size_t maxBytes) = 0;
  // Replaces the file whole, or leaves it untouched and leaves no temporary file. A symbolic link
  // in its place is replaced by the file, never followed.
  virtual FileError replace(const std::filesystem::path& path, const std::string& octets) = 0;
  virtual bool exists(const std::filesystem::path& path) = 0;
  // The file a chain of symbolic links ends on, whether it exists or not; the path itself when
  // it is no link. For a file meant to be shared through a link, such as the species base.
  virtual std::filesystem::path linkTarget(const std::filesystem::path& path) = 0;
  // Moves a file within one disk, replacing the target; the move is all or nothing. Moves and
  // removals reach the disk with the next `flush` or replacement in their folder.
  virtual FileError rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  virtual FileError remove(const std::filesystem::path& path) = 0;
  // Lets the program change this file: clears its read-only mode and checks that its folder (the
  // folder of the file a link names) accepts new files, which every replacement needs.
  virtual FileError makeWritable(const std::filesystem::path& path) = 0;
  // Creates the folder and its parents when missing.
  virtual FileError createFolders(const std::filesystem::path& path) = 0;
  // The names of the ordinary files of the folder that are neither hidden nor links, in no set
  // order.
  virtual FileList listFiles(const std::filesystem::path& folder) = 0;

  // Replaces the file whole as `replace` does, but leaves bringing it onto the disk to `flush`:
  // many files then wait for the disk once instead of once each.
  virtual FileError replaceUnflushed(const std::filesystem::path& path,
                                     const std::string& octets) = 0;
  // Returns once everything written on the folder's disk is on it.
  virtual FileError flush(const std::filesystem::path& folder) = 0;
  // Gives the file a second name on the same disk, taking no room; where the disk cannot, copies
  // it. The target must not exist.
  virtual FileError link(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // Removes the folder and all it holds; a missing folder is no error.
  virtual FileError removeFolder(const std::filesystem::path& path) = 0;
  // Removes from the folder what replacements cut short by a crash left there.
  virtual void removeLeftovers(const std::filesystem::path& folder) = 0;
  // Waits until no other copy of the program changes the folder, then holds it. A folder that
  // cannot be locked (read-only media) gives no lock: nothing there can change anyway.
  virtual std::unique_ptr<FolderLock> lockFolder(const std::filesystem::path& folder) = 0;
  // Whether another copy of the program holds the folder now, so that a wait can be explained.
  virtual bool folderBusy(const std::filesystem::path& folder) = 0;
};

}  // namespace sylvenor
