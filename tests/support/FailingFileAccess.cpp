#include "support/FailingFileAccess.h"

#include <algorithm>
#include <cerrno>

namespace sylvenor::test {

ssize_t FailingFileAccess::writeSome(int fd, const char* data, std::size_t size) {
  if (room_ == 0) {
    errno = ENOSPC;
    return -1;
  }
  const std::size_t allowed = std::min(size, room_);
  const ssize_t wrote = PosixFileAccess::writeSome(fd, data, allowed);
  if (wrote > 0) room_ -= static_cast<std::size_t>(wrote);
  return wrote;
}

}  // namespace sylvenor::test
