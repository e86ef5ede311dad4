#include "teacher/PhotosFiche.h"

#include <utility>

#include "species/ImagesEspece.h"

namespace sylvenor {

PhotosFiche::PhotosFiche(FileAccess& files, std::filesystem::path programDir)
    : files_(files), programDir_(std::move(programDir)) {}

std::filesystem::path PhotosFiche::fichier(std::int16_t n, Sorte sorte) const {
  return sorte == Sorte::Photo ? ImagesEspece::photo(programDir_, n)
                               : ImagesEspece::photoAgrandie(programDir_, n);
}

FileError PhotosFiche::poser(std::int16_t n, Sorte sorte, std::string jpeg, bool nouvelle) {
  if (jpeg.empty()) return FileError::Autre;
  if (!nouvelle) return appliquer(n, sorte, jpeg);
  attente_.at(static_cast<std::size_t>(sorte)) = std::move(jpeg);
  return FileError::Aucune;
}

FileError PhotosFiche::retirer(std::int16_t n, Sorte sorte, bool nouvelle) {
  if (!nouvelle) return appliquer(n, sorte, {});
  attente_.at(static_cast<std::size_t>(sorte)) = std::string();
  return FileError::Aucune;
}

const PhotosFiche::Attente& PhotosFiche::enAttente(Sorte sorte) const {
  return attente_.at(static_cast<std::size_t>(sorte));
}

FileError PhotosFiche::ecrireAttente(std::int16_t n) {
  for (const Sorte sorte : {Sorte::Photo, Sorte::Agrandie}) {
    Attente& attente = attente_.at(static_cast<std::size_t>(sorte));
    if (!attente) continue;
    const FileError erreur = appliquer(n, sorte, *attente);
    if (erreur != FileError::Aucune) return erreur;
    attente.reset();
  }
  return FileError::Aucune;
}

void PhotosFiche::oublierAttente() { attente_ = {}; }

// An empty picture removes the file.
FileError PhotosFiche::appliquer(std::int16_t n, Sorte sorte, const std::string& jpeg) {
  if (n < 1) return FileError::NonTrouve;
  // Not while another copy of the program renumbers or imports pictures.
  const auto verrou = files_.lockFolder(ImagesEspece::dossierData(programDir_));
  const std::filesystem::path cible = fichier(n, sorte);
  if (!jpeg.empty()) return files_.replace(cible, jpeg);
  if (!files_.exists(cible)) return FileError::Aucune;
  const FileError erreur = files_.remove(cible);
  return erreur == FileError::Aucune ? files_.flush(ImagesEspece::dossierData(programDir_))
                                     : erreur;
}

}  // namespace sylvenor
