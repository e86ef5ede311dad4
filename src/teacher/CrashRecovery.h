#pragma once

#include <filesystem>
#include <functional>

#include "platform/FileAccess.h"

namespace sylvenor {

// Puts the data folder in order after the program was stopped in the middle of a change, before
// anything reads it: a removal of species is finished or forgotten, and the files left by an
// interrupted import or file replacement go.
class CrashRecovery {
 public:
  // `attente` is called first when another copy is changing the data folder, so that the wait
  // can be explained.
  static void run(FileAccess& files, const std::filesystem::path& programDir,
                  const std::function<void()>& attente = {});
};

}  // namespace sylvenor
