#include "crash/PrivateDisk.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

namespace sylvenor::test {
namespace {

bool writeTo(const char* file, const std::string& text) {
  std::ofstream out(file);
  out << text;
  return static_cast<bool>(out.flush());
}

// Where this process may not have a mount namespace of its own, a user namespace gives it one.
bool privateNamespace() {
  if (::unshare(CLONE_NEWNS) == 0) return true;
  const auto uid = ::getuid();
  const auto gid = ::getgid();
  if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
  return writeTo("/proc/self/setgroups", "deny") &&
         writeTo("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") &&
         writeTo("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1");
}

}  // namespace

PrivateDisk::PrivateDisk(const std::filesystem::path& folder, const std::string& size)
    : folder_(folder) {
  if (!privateNamespace()) {
    why_ = std::string("no private mount namespace: ") + std::strerror(errno);
  } else if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
             ::mount("sylvenor-test", folder.c_str(), "tmpfs", 0, ("size=" + size).c_str()) != 0) {
    why_ = std::string("cannot mount a memory disk: ") + std::strerror(errno);
  }
}

PrivateDisk::~PrivateDisk() {
  if (mounted()) ::umount2(folder_.c_str(), MNT_DETACH);
}

bool PrivateDisk::makeReadOnly() {
  return ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

void PrivateDisk::fill(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return;
  const std::vector<char> block(4096, 'x');
  while (::write(fd, block.data(), block.size()) > 0) {
  }
  // The last pages may only be refused once the data reaches the disk.
  ::fsync(fd);
  while (::write(fd, block.data(), 1) > 0) {
  }
  ::close(fd);
}

}  // namespace sylvenor::test
