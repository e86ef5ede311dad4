#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "platform/FileAccess.h"
#include "species/BaseEspeces.h"

namespace sylvenor {

// Removes species from the base and renumbers the others, their pictures following them.
// The new numbering is first laid out in a hidden folder as second names of the pictures,
// leaving them untouched; replacing the base file then decides the removal, and only after it
// do the pictures take their new numbers. A failure or a crash before that replacement leaves
// everything as it was; one after it is finished by `reprendre`.
class SuppressionEspeces {
 public:
  // Where the pictures of removed species go when the teacher keeps them.
  static constexpr const char* kDossierRetirees = "retirees";

  SuppressionEspeces(BaseEspeces& base, FileAccess& files, std::filesystem::path programDir)
      : base_(base), files_(files), dir_(std::move(programDir)) {}

  // Makes the base file and every picture writable. A missing photograph stops here, before any
  // change, and `numeroSansPhoto` tells which.
  FileError verifier();
  std::int16_t numeroSansPhoto() const { return sansPhoto_; }

  // `retirees` holds the numbers to remove. With `supprimerImages`, the removed species'
  // pictures are deleted, otherwise kept under kDossierRetirees. `progression` is told each
  // species number dealt with. An error after the base file was replaced leaves the table
  // matching the file, and the pictures are put in order at the next start.
  FileError supprimer(const std::vector<std::int16_t>& retirees, bool supprimerImages,
                      const std::function<void(int)>& progression = {});

  // Finishes the removal that a crash cut short once the base file was replaced, or forgets it
  // when the file was not: then no picture had moved.
  static FileError reprendre(FileAccess& files, const std::filesystem::path& programDir);

 private:
  FileError preparer(const std::vector<std::int16_t>& garde, std::int16_t premiere,
                     const std::vector<bool>& retiree, bool supprimerImages,
                     const std::function<void(int)>& progression);
  void lier(const std::filesystem::path& image, const std::filesystem::path& nom);
  void ecrirePlan(std::int16_t premiere, std::size_t tailleBase);
  static FileError achever(FileAccess& files, const std::filesystem::path& programDir);

  BaseEspeces& base_;
  FileAccess& files_;
  std::filesystem::path dir_;
  std::int16_t sansPhoto_ = 0;
  FileError erreur_ = FileError::Aucune;
};

}  // namespace sylvenor
