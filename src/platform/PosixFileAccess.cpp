#include "platform/PosixFileAccess.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
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

void syncFolder(const std::filesystem::path& folder) {
  FileDescriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY));
  if (dir.get() >= 0) ::fsync(dir.get());
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
  FileRead result;
  // Without O_NONBLOCK a named pipe in place of a file would wait for ever.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat info {};
  if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
    result.erreur = fromErrno(errno);
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

FileError PosixFileAccess::writeAll(int fd, const std::string& octets) {
  std::size_t done = 0;
  while (done < octets.size()) {
    const ssize_t wrote = writeSome(fd, octets.data() + done, octets.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return wrote < 0 ? fromErrno(errno) : FileError::DisquePlein;
    done += static_cast<std::size_t>(wrote);
  }
  return ::fsync(fd) == 0 ? FileError::Aucune : fromErrno(errno);
}

FileError PosixFileAccess::replace(const std::filesystem::path& path, const std::string& octets) {
  // Hidden, so that a file left by a crash is never listed among the user's files.
  std::string pattern =
      (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
  FileDescriptor fd(::mkstemp(pattern.data()));
  if (fd.get() < 0) return fromErrno(errno);
  const std::filesystem::path temporary = pattern;
  ::fchmod(fd.get(), 0644);
  FileError error = writeAll(fd.get(), octets);
  if (::close(fd.release()) != 0 && error == FileError::Aucune) error = fromErrno(errno);
  if (error == FileError::Aucune && ::rename(temporary.c_str(), path.c_str()) != 0) {
    error = fromErrno(errno);
  }
  if (error != FileError::Aucune) {
    ::unlink(temporary.c_str());
    return error;
  }
  syncFolder(path.parent_path());
  return FileError::Aucune;
}

bool PosixFileAccess::exists(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

FileError PosixFileAccess::rename(const std::filesystem::path& from,
                                  const std::filesystem::path& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return fromErrno(errno);
  syncFolder(to.parent_path());
  return FileError::Aucune;
}

FileError PosixFileAccess::remove(const std::filesystem::path& path) {
  if (::unlink(path.c_str()) != 0) return fromErrno(errno);
  syncFolder(path.parent_path());
  return FileError::Aucune;
}

FileError PosixFileAccess::makeWritable(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return fromErrno(errno);
  if ((info.st_mode & S_IWUSR) == 0 && ::chmod(path.c_str(), info.st_mode | S_IWUSR) != 0) {
    return fromErrno(errno);
  }
  const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
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

}  // namespace sylvenor

namespace sylvenor {

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
    if (name.front() != '.' && ::stat((folder / name).c_str(), &info) == 0 &&
        S_ISREG(info.st_mode)) {
      list.noms.push_back(name);
    }
  }
  return list;
}

}  // namespace sylvenor
