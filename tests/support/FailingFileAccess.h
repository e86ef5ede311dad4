#pragma once

#include <cstddef>

#include "platform/PosixFileAccess.h"

namespace sylvenor::test {

// The real file access on a disk that fills up after `room` bytes written.
class FailingFileAccess : public PosixFileAccess {
 public:
  explicit FailingFileAccess(std::size_t room) : room_(room) {}

 protected:
  ssize_t writeSome(int fd, const char* data, std::size_t size) override;

 private:
  std::size_t room_;
};

}  // namespace sylvenor::test
