#pragma once

#include <cstdint>
#include <filesystem>

namespace sylvenor {

// The pictures of a species follow its number: 12.jpg and 12grand.jpg in the data folder;
// 0.jpg is the placeholder.
class ImagesEspece {
 public:
  static std::filesystem::path dossierData(const std::filesystem::path& programDir);
  static std::filesystem::path photo(const std::filesystem::path& programDir, int numero);
  static std::filesystem::path photoAgrandie(const std::filesystem::path& programDir, int numero);
};

}  // namespace sylvenor
