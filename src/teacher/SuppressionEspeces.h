#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <set>
#include <vector>

#include "platform/FileAccess.h"
#include "species/BaseEspeces.h"

namespace sylvenor {

// Removes species from the base and renumbers the others, their pictures following them.
// Pictures are first moved aside, then given their new numbers, then the base file is replaced;
// a failure at any step puts every picture back, so the file and the pictures always agree.
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
  // species number dealt with.
  FileError supprimer(const std::vector<std::int16_t>& retirees, bool supprimerImages,
                      const std::function<void(int)>& progression = {});

 private:
  struct Deplacement {
    std::filesystem::path de;
    std::filesystem::path vers;
  };

  void deplacer(const std::filesystem::path& de, const std::filesystem::path& vers);
  void ecarterImages(std::int16_t depuis);
  void renommerDepuisCote(const std::filesystem::path& ancienne,
                          const std::filesystem::path& nouvelle);
  void annuler();
  std::filesystem::path aCote(const std::filesystem::path& image) const;
  void rangerRetirees(const BaseEspeces& ancienne, const std::vector<bool>& retiree,
                      bool supprimerImages);

  BaseEspeces& base_;
  FileAccess& files_;
  std::filesystem::path dir_;
  std::int16_t sansPhoto_ = 0;
  std::vector<Deplacement> faits_;
  std::set<std::filesystem::path> ecartees_;  // pictures moved aside, by their former name
  FileError erreur_ = FileError::Aucune;
};

}  // namespace sylvenor
