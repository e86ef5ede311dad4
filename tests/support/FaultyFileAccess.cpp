#include "support/FaultyFileAccess.h"

namespace sylvenor::test {

void FaultyFileAccess::failOn(Operation operation, int nth, FileError error) {
  failing_[index(operation)] = calls_[index(operation)] + nth;
  errors_[index(operation)] = error;
}

bool FaultyFileAccess::fails(Operation operation) {
  const int call = ++calls_[index(operation)];
  return call == failing_[index(operation)];
}

FileError FaultyFileAccess::replace(const std::filesystem::path& path, const std::string& octets) {
  if (fails(Operation::Replace)) return errors_[index(Operation::Replace)];
  return PosixFileAccess::replace(path, octets);
}

FileError FaultyFileAccess::rename(const std::filesystem::path& from,
                                   const std::filesystem::path& to) {
  if (fails(Operation::Rename)) return errors_[index(Operation::Rename)];
  return PosixFileAccess::rename(from, to);
}

FileError FaultyFileAccess::remove(const std::filesystem::path& path) {
  if (fails(Operation::Remove)) return errors_[index(Operation::Remove)];
  return PosixFileAccess::remove(path);
}

FileError FaultyFileAccess::makeWritable(const std::filesystem::path& path) {
  if (fails(Operation::MakeWritable)) return errors_[index(Operation::MakeWritable)];
  return PosixFileAccess::makeWritable(path);
}

FileError FaultyFileAccess::replaceUnflushed(const std::filesystem::path& path,
                                             const std::string& octets) {
  if (fails(Operation::Replace)) return errors_[index(Operation::Replace)];
  return PosixFileAccess::replaceUnflushed(path, octets);
}

FileError FaultyFileAccess::link(const std::filesystem::path& from,
                                 const std::filesystem::path& to) {
  if (fails(Operation::Link)) return errors_[index(Operation::Link)];
  return PosixFileAccess::link(from, to);
}

}  // namespace sylvenor::test
