#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sylvenor {

// The texts of the disk information panel.
class InfosDisque {
 public:
  // The medium's type as the panel names it; none for a code it does not know.
  static std::optional<std::string> typeSupport(int code);
  // Whole megabytes of 1 000 000 bytes, then " Mo".
  static std::string taille(std::uint64_t octets);
};

}  // namespace sylvenor
