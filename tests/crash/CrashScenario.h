#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "platform/FileAccess.h"

namespace sylvenor::test {

// The four changes a crash must never leave half done, on an installation of 20 species with a
// package of 8 cards beside it (`root`/programme and `root`/paquet).
class CrashScenario {
 public:
  enum class Operation { RewriteBase, SaveKey, RemoveSpecies, ImportPackage };

  static void install(const std::filesystem::path& root);
  static std::filesystem::path programme(const std::filesystem::path& root);
  static FileError run(Operation operation, const std::filesystem::path& root, FileAccess& files);
  static const char* name(Operation operation);

  // Every file of the installation, its data and its saved keys: the base file, every picture
  // whatever its number, the pictures kept aside, the saved keys; a hidden file is named only.
  using View = std::map<std::string, std::string>;
  static View view(const std::filesystem::path& root);
  // Every file under `root`, hidden ones included.
  static View everything(const std::filesystem::path& root);
};

}  // namespace sylvenor::test
