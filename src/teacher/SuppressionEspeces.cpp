#include "teacher/SuppressionEspeces.h"

#include <algorithm>
#include <ranges>
#include <utility>

#include "species/ImagesEspece.h"

namespace sylvenor {
namespace {

// A kept picture's file name: the old number and the species' name, with no folder in it.
std::string nomRetire(std::int16_t numero, const std::string& nom, const char* suffixe) {
  std::string propre = nom.substr(0, nom.find_last_not_of(' ') + 1);
  std::ranges::replace(propre, '/', '-');
  return std::to_string(numero) + "-" + propre + suffixe;
}

}  // namespace

FileError SuppressionEspeces::verifier() {
  sansPhoto_ = 0;
  if (const FileError e = files_.makeWritable(BaseEspeces::cheminBase(dir_));
      e != FileError::Aucune) {
    return e;
  }
  for (std::int16_t n = 1; n <= base_.NbFiches(); ++n) {
    const auto photo = ImagesEspece::photo(dir_, n);
    if (!files_.exists(photo)) {
      sansPhoto_ = n;
      return FileError::NonTrouve;
    }
    if (const FileError e = files_.makeWritable(photo); e != FileError::Aucune) return e;
    const auto grande = ImagesEspece::photoAgrandie(dir_, n);
    if (files_.exists(grande)) {
      if (const FileError e = files_.makeWritable(grande); e != FileError::Aucune) return e;
    }
  }
  return FileError::Aucune;
}

FileError SuppressionEspeces::supprimer(const std::vector<std::int16_t>& retirees,
                                        bool supprimerImages,
                                        const std::function<void(int)>& progression) {
  const std::int16_t total = base_.NbFiches();
  std::vector<bool> retiree(static_cast<std::size_t>(total) + 1, false);
  for (const std::int16_t n : retirees) {
    if (n >= 1 && n <= total) retiree[static_cast<std::size_t>(n)] = true;
  }
  std::vector<std::int16_t> garde;
  for (std::int16_t n = 1; n <= total; ++n) {
    if (!retiree[static_cast<std::size_t>(n)]) garde.push_back(n);
  }
  const auto premiere = static_cast<std::int16_t>(
      std::ranges::find(retiree.begin() + 1, retiree.end(), true) - retiree.begin());
  if (premiere > total) return FileError::Aucune;

  faits_.clear();
  ecartees_.clear();
  erreur_ = FileError::Aucune;
  ecarterImages(premiere);
  const auto kept = static_cast<std::int16_t>(garde.size());
  for (std::int16_t j = 1; j <= kept; ++j) {
    const std::int16_t ancien = garde[static_cast<std::size_t>(j - 1)];
    if (j >= premiere) {
      renommerDepuisCote(ImagesEspece::photo(dir_, ancien), ImagesEspece::photo(dir_, j));
      renommerDepuisCote(ImagesEspece::photoAgrandie(dir_, ancien),
                         ImagesEspece::photoAgrandie(dir_, j));
    }
    if (progression) progression(j);
  }

  BaseEspeces nouvelle = base_;
  for (std::int16_t j = 1; j <= kept; ++j) {
    nouvelle.fiche(j) = base_.fiche(garde[static_cast<std::size_t>(j - 1)]);
  }
  nouvelle.setNbFiches(kept);
  if (erreur_ == FileError::Aucune) erreur_ = nouvelle.EnregBase(files_, dir_);
  if (erreur_ != FileError::Aucune) {
    annuler();
    return erreur_;
  }
  const BaseEspeces ancienne = std::exchange(base_, nouvelle);
  rangerRetirees(ancienne, retiree, supprimerImages);
  for (int n = kept + 1; n <= total; ++n) {
    if (progression) progression(n);
  }
  return FileError::Aucune;
}

void SuppressionEspeces::deplacer(const std::filesystem::path& de,
                                  const std::filesystem::path& vers) {
  if (erreur_ != FileError::Aucune) return;
  erreur_ = files_.rename(de, vers);
  if (erreur_ == FileError::Aucune) faits_.push_back({de, vers});
}

// Every picture from the first removed number on leaves its number, so that no picture still
// needed can be overwritten while the others take their new numbers.
void SuppressionEspeces::ecarterImages(std::int16_t depuis) {
  for (std::int16_t n = depuis; n <= base_.NbFiches(); ++n) {
    for (const auto& image : {ImagesEspece::photo(dir_, n), ImagesEspece::photoAgrandie(dir_, n)}) {
      if (!files_.exists(image)) continue;
      deplacer(image, aCote(image));
      if (erreur_ == FileError::Aucune) ecartees_.insert(image);
    }
  }
}

void SuppressionEspeces::renommerDepuisCote(const std::filesystem::path& ancienne,
                                            const std::filesystem::path& nouvelle) {
  if (ecartees_.contains(ancienne)) deplacer(aCote(ancienne), nouvelle);
}

void SuppressionEspeces::annuler() {
  for (const Deplacement& fait : std::views::reverse(faits_)) files_.rename(fait.vers, fait.de);
  faits_.clear();
}

std::filesystem::path SuppressionEspeces::aCote(const std::filesystem::path& image) const {
  return std::filesystem::path(image) += ".renum";
}

// The base file is already replaced: what is left concerns only pictures that no card uses, so
// a failure here loses nothing and is not reported.
void SuppressionEspeces::rangerRetirees(const BaseEspeces& ancienne,
                                        const std::vector<bool>& retiree, bool supprimerImages) {
  const auto dossier = ImagesEspece::dossierData(dir_) / kDossierRetirees;
  if (!supprimerImages) files_.createFolders(dossier);
  for (std::int16_t n = 1; n < static_cast<std::int16_t>(retiree.size()); ++n) {
    if (!retiree[static_cast<std::size_t>(n)]) continue;
    const std::string& nom = ancienne.fiche(n).Nom;
    const std::pair<std::filesystem::path, const char*> images[] = {
        {ImagesEspece::photo(dir_, n), ".jpg"},
        {ImagesEspece::photoAgrandie(dir_, n), " grand.jpg"}};
    for (const auto& [image, suffixe] : images) {
      if (!ecartees_.contains(image)) continue;
      if (supprimerImages) {
        files_.remove(aCote(image));
      } else {
        files_.rename(aCote(image), dossier / nomRetire(n, nom, suffixe));
      }
    }
  }
}

}  // namespace sylvenor
