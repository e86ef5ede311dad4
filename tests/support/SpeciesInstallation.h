#pragma once

#include <filesystem>
#include <string>

namespace sylvenor::test {

// A base of `count` cards "Espèce n" (mammals), the photograph of each holding the bytes
// "photo Espèce n", and an enlarged one "grande Espèce n" for the odd numbers.
class SpeciesInstallation {
 public:
  static std::string name(int n) { return "Espèce " + std::to_string(n); }
  static void write(const std::filesystem::path& programDir, int count);
};

}  // namespace sylvenor::test
