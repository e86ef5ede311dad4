#pragma once

#include <string>

namespace sylvenor {

// The kind of medium a mounted file system is, as the disk information panel names it: what
// Qt's QStorageInfo does not tell.
class MountKind {
 public:
  struct Montage {
    std::string source;  // the device, or the server's share
    std::string point;   // where it is mounted
    std::string type;    // the file system's type
  };

  // The medium's type code; `amovible` tells whether the system marks its device removable.
  static int typeSupport(const Montage& montage, bool amovible);
};

}  // namespace sylvenor
