#include "species/ImagesEspece.h"

#include <string>

namespace sylvenor {

std::filesystem::path ImagesEspece::dossierData(const std::filesystem::path& programDir) {
  return programDir / "data";
}

std::filesystem::path ImagesEspece::photo(const std::filesystem::path& programDir, int numero) {
  return dossierData(programDir) / (std::to_string(numero) + ".jpg");
}

std::filesystem::path ImagesEspece::photoAgrandie(const std::filesystem::path& programDir,
                                                  int numero) {
  return dossierData(programDir) / (std::to_string(numero) + "grand.jpg");
}

}  // namespace sylvenor
