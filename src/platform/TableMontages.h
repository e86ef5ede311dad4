#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sylvenor {

// The system's table of mounted file systems (the text of /proc/self/mounts), and the kind of
// medium each one is.
class TableMontages {
 public:
  struct Montage {
    std::string source;  // the device, or the server's share
    std::string point;   // where it is mounted
    std::string type;    // the file system's type
  };

  // The mount holding `chemin` (an absolute, resolved path): the one with the longest mount
  // point above it.
  static std::optional<Montage> montageDe(std::string_view table, std::string_view chemin);
  // The medium's type code; `amovible` tells whether the system marks its device removable.
  static int typeSupport(const Montage& montage, bool amovible);
};

}  // namespace sylvenor
