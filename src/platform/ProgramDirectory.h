#pragma once

#include <filesystem>

namespace sylvenor {

// The program directory is the executable's own: data/, aide/, images/ and sauvegardes/ live
// under it.
class ProgramDirectory {
 public:
  static std::filesystem::path path();
};

}  // namespace sylvenor
