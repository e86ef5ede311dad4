#pragma once

#include <cstddef>
#include <filesystem>

#include "platform/FileAccess.h"

namespace sylvenor {

// What an import is about to add to the data folder, written there before its first picture:
// the numbers of the cards it appends and the size the base file has once they are in. An
// import cut short by a crash leaves it behind, and the next start knows from the base file's
// size whether the import ended (the plan goes) or not (its pictures go too).
class PlanImport {
 public:
  static constexpr const char* kFichier = ".import";

  static FileError ecrire(FileAccess& files, const std::filesystem::path& programDir, int premier,
                          int dernier, std::size_t tailleBase);
  static FileError effacer(FileAccess& files, const std::filesystem::path& programDir);
  // Finishes or undoes an import left by a crash; to be called with the data folder locked.
  static void reprendre(FileAccess& files, const std::filesystem::path& programDir);
};

}  // namespace sylvenor
