#include "platform/PosixFileAccess.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace sylvenor {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// An advisory lock, which copies of the program on other machines see too where the share
// passes locks on.
class FlockFolderLock : public FolderLock {
 public:
  explicit FlockFolderLock(int fd) : fd_(fd) {}
  ~FlockFolderLock() override { ::close(fd_); }
  FlockFolderLock(const FlockFolderLock&) = delete;
  FlockFolderLock& operator=(const FlockFolderLock&) = delete;

 private:
  int fd_;
};

void syncFolder(const std::filesystem::path& folder) {
  FileDescriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY));
  if (dir.get() >= 0) ::fsync(dir.get());
}

// What mkstemp puts at the end of a temporary name.
// In a folder shared by a group (set-group-ID, as a packaged installation's data folder is), each
// member of the group may replace the file in turn; elsewhere only its owner.
mode_t modeFichier(const std::filesystem::path& folder) {
  struct stat info {};
  const bool partage =
      ::stat(folder.empty() ? "." : folder.c_str(), &info) == 0 && (info.st_mode & S_ISGID) != 0;
  return partage ? 0664 : 0644;
}

bool isTemporaryName(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  if (name.size() < 9 || name.front() != '.' || dot == 0 || dot != name.size() - 7) return false;
  return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(dot) + 1, name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace

FileError PosixFileAccess::fromErrno(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FileError::NonTrouve;
    case ENOSPC:
    case EDQUOT:
      return FileError::DisquePlein;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return FileError::AccesRefuse;
    default:
      return FileError::Autre;
  }
}

FileRead PosixFileAccess::read(const std::filesystem::path& path, std::size_t maxBytes) {
  return readOpened(path, maxBytes, 0);
}

FileRead PosixFileAccess::readNoLink(const std::filesystem::path& path, std::size_t maxBytes) {
  return readOpened(path, maxBytes, O_NOFOLLOW);
}

FileRead PosixFileAccess::readOpened(const std::filesystem::path& path, std::size_t maxBytes,
                                     int flags) {
  FileRead result;
  // Without O_NONBLOCK a named pipe in place of a file would wait for ever.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | flags));
  struct stat info {};
  if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
    // O_NOFOLLOW refuses a link with ELOOP.
    result.erreur = errno == ELOOP ? FileError::AccesRefuse : fromErrno(errno);
    return result;
  }
  if (!S_ISREG(info.st_mode)) {
    result.erreur = FileError::AccesRefuse;
    return result;
  }
  std::vector<char> buffer(64 * 1024);
  for (;;) {
    const std::size_t room = maxBytes - result.octets.size();
    // One byte more than asked tells whether the file goes on.
    const std::size_t ask = room < buffer.size() ? room + 1 : buffer.size();
    const ssize_t got = ::read(fd.get(), buffer.data(), ask);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      result.erreur = fromErrno(errno);
      result.octets.clear();
      return result;
    }
    if (got == 0) return result;
    const auto kept = std::min(static_cast<std::size_t>(got), room);
    result.octets.append(buffer.data(), kept);
    if (kept < static_cast<std::size_t>(got)) {
      result.tronque = true;
      return result;
    }
  }
}

ssize_t PosixFileAccess::writeSome(int fd, const char* data, std::size_t size) {
  return ::write(fd, data, size);
}

FileError PosixFileAccess::writeAll(int fd, const std::string& octets, bool flushed) {
  std::size_t done = 0;
  while (done < octets.size()) {
    const ssize_t wrote = writeSome(fd, octets.data() + done, octets.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return wrote < 0 ? fromErrno(errno) : FileError::DisquePlein;
    done += static_cast<std::size_t>(wrote);
  }
  if (!flushed) return FileError::Aucune;
  return ::fsync(fd) == 0 ? FileError::Aucune : fromErrno(errno);
}

FileError PosixFileAccess::replace(const std::filesystem::path& path, const std::string& octets) {
  return replaceFile(path, octets, true);
}

FileError PosixFileAccess::replaceUnflushed(const std::filesystem::path& path,
                                            const std::string& octets) {
  return replaceFile(path, octets, false);
}

FileError PosixFileAccess::replaceFile(const std::filesystem::path& path, const std::string& octets,
                                       bool flushed) {
  // Hidden, so that a file left by a crash is never listed among the user's files.
  std::string pattern =
      (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
  FileDescriptor fd(::mkstemp(pattern.data()));
  if (fd.get() < 0) return fromErrno(errno);
  const std::filesystem::path temporary = pattern;
  ::fchmod(fd.get(), modeFichier(path.parent_path()));
  FileError error = writeAll(fd.get(), octets, flushed);
  if (::close(fd.release()) != 0 && error == FileError::Aucune) error = fromErrno(errno);
  if (error == FileError::Aucune && ::rename(temporary.c_str(), path.c_str()) != 0) {
    error = fromErrno(errno);
  }
  if (error != FileError::Aucune) {
    ::unlink(temporary.c_str());
    return error;
  }
  if (flushed) syncFolder(path.parent_path());
  return FileError::Aucune;
}

// A loop of links gives up on the last name reached.
std::filesystem::path PosixFileAccess::linkTarget(const std::filesystem::path& lien) {
  constexpr int kMaxLiens = 16;
  std::filesystem::path path = lien;
  for (int i = 0; i < kMaxLiens; ++i) {
    std::error_code erreur;
    const std::filesystem::path vers = std::filesystem::read_symlink(path, erreur);
    if (erreur) return path;
    path = vers.is_absolute() ? vers : path.parent_path() / vers;
  }
  return path;
}

bool PosixFileAccess::exists(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

FileError PosixFileAccess::rename(const std::filesystem::path& from,
                                  const std::filesystem::path& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return fromErrno(errno);
  return FileError::Aucune;
}

FileError PosixFileAccess::remove(const std::filesystem::path& path) {
  if (::unlink(path.c_str()) != 0) return fromErrno(errno);
  return FileError::Aucune;
}

FileError PosixFileAccess::makeWritable(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return fromErrno(errno);
  if ((info.st_mode & S_IWUSR) == 0 && ::chmod(path.c_str(), info.st_mode | S_IWUSR) != 0) {
    return fromErrno(errno);
  }
  const std::filesystem::path cible = linkTarget(path);
  const std::filesystem::path folder = cible.parent_path().empty() ? "." : cible.parent_path();
  if (::access(path.c_str(), W_OK) != 0 || ::access(folder.c_str(), W_OK) != 0) {
    return fromErrno(errno);
  }
  return FileError::Aucune;
}

FileError PosixFileAccess::createFolders(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  if (!error) return FileError::Aucune;
  return fromErrno(error.value());
}

FileList PosixFileAccess::listFiles(const std::filesystem::path& folder) {
  FileList list;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (!dir) {
    list.erreur = fromErrno(errno);
    return list;
  }
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string name = entry->d_name;
    struct stat info {};
    if (name.front() != '.' && ::lstat((folder / name).c_str(), &info) == 0 &&
        S_ISREG(info.st_mode)) {
      list.noms.push_back(name);
    }
  }
  return list;
}

FileError PosixFileAccess::flush(const std::filesystem::path& folder) {
  FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() < 0) return fromErrno(errno);
  return ::syncfs(dir.get()) == 0 ? FileError::Aucune : fromErrno(errno);
}

FileError PosixFileAccess::link(const std::filesystem::path& from,
                                const std::filesystem::path& to) {
  if (::link(from.c_str(), to.c_str()) == 0) return FileError::Aucune;
  // FAT sticks and some network shares have no second names.
  if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK && errno != EXDEV) {
    return fromErrno(errno);
  }
  const FileRead copy = read(from, SIZE_MAX);
  if (copy.erreur != FileError::Aucune) return copy.erreur;
  return replace(to, copy.octets);
}

std::unique_ptr<FolderLock> PosixFileAccess::lockFolder(const std::filesystem::path& folder) {
  const std::filesystem::path file = folder / kVerrou;
  int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  // A pupil who may not write the folder still waits for the teacher's change to end.
  if (fd < 0) fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) {
      ::close(fd);
      return nullptr;
    }
  }
  return std::make_unique<FlockFolderLock>(fd);
}

bool PosixFileAccess::folderBusy(const std::filesystem::path& folder) {
  FileDescriptor fd(::open((folder / kVerrou).c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return false;
  // Closing the descriptor lets the lock go again at once.
  return ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

FileError PosixFileAccess::removeFolder(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::remove_all(path, error);
  if (error) return fromErrno(error.value());
  syncFolder(path.parent_path());
  return FileError::Aucune;
}

void PosixFileAccess::removeLeftovers(const std::filesystem::path& folder) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (!dir) return;
  std::vector<std::string> leftovers;
  while (const dirent* entry = ::readdir(dir.get())) {
    struct stat info {};
    const std::string name = entry->d_name;
    if (isTemporaryName(name) && ::lstat((folder / name).c_str(), &info) == 0 &&
        S_ISREG(info.st_mode)) {
      leftovers.push_back(name);
    }
  }
  for (const std::string& name : leftovers) ::unlink((folder / name).c_str());
  if (!leftovers.empty()) syncFolder(folder);
}

}  // namespace sylvenor
