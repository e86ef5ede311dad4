#include "species/BaseEspeces.h"

#include <algorithm>
#include <cstdint>

#include "species/RecordCodec.h"

namespace sylvenor {
namespace {

constexpr std::size_t kTailleMax = BaseEspeces::kCapacite * RecordCodec::kTailleFiche;

}  // namespace

std::filesystem::path BaseEspeces::cheminBase(const std::filesystem::path& programDir) {
  return programDir / "data" / "base.dat";
}

std::filesystem::path BaseEspeces::cheminSauvegarde(const std::filesystem::path& programDir) {
  return programDir / "data" / "base.dat.bak";
}

bool BaseEspeces::ajouter(const FicheEspece& fiche) {
  if (nbFiches_ >= kCapacite) return false;
  ++nbFiches_;
  fiches_[static_cast<std::size_t>(nbFiches_)] = fiche;
  return true;
}

void BaseEspeces::setNbFiches(std::int16_t count) {
  nbFiches_ = std::clamp<std::int16_t>(count, 0, kCapacite);
}

void BaseEspeces::ChargerBase(FileAccess& files, const std::filesystem::path& programDir) {
  nbFiches_ = 0;
  const FileRead file = lire(files, programDir);
  lu_ = file.octets;
  const std::size_t complete = std::min<std::size_t>(file.octets.size(), kTailleMax);
  const std::size_t count = complete / RecordCodec::kTailleFiche;
  for (std::size_t k = 1; k <= count; ++k) {
    fiches_[k] = RecordCodec::decode(
        std::string_view(file.octets)
            .substr((k - 1) * RecordCodec::kTailleFiche, RecordCodec::kTailleFiche));
  }
  nbFiches_ = static_cast<std::int16_t>(count);
  // A link to a base that is not there (a share not mounted) is no fresh installation: nothing
  // is written there.
  const bool absente = file.erreur == FileError::NonTrouve &&
                       files.linkTarget(cheminBase(programDir)) == cheminBase(programDir);
  erreurLecture_ = absente ? FileError::Aucune : file.erreur;
  // A fresh installation starts with an empty base file, where the folder allows it.
  if (absente) files.replace(cheminBase(programDir), "");
  surplus_ = file.octets.size() == kTailleMax + RecordCodec::kTailleFiche;
}

FileError BaseEspeces::EnregBase(FileAccess& files, const std::filesystem::path& programDir) {
  // A base that exists but could not be read is never overwritten by the empty table.
  if (erreurLecture_ != FileError::Aucune) return erreurLecture_;
  if (!inchangee(files, programDir)) return FileError::ChangeeAilleurs;
  if (surplus_) {
    const FileRead former = files.read(cheminBase(programDir), SIZE_MAX);
    if (former.erreur != FileError::Aucune) return former.erreur;
    const FileError kept = files.replace(cheminSauvegarde(programDir), former.octets);
    if (kept != FileError::Aucune) return kept;
    surplus_ = false;
  }
  std::string octets;
  octets.reserve(static_cast<std::size_t>(nbFiches_) * RecordCodec::kTailleFiche);
  for (int k = 1; k <= nbFiches_; ++k) {
    const RecordCodec::Bytes record = RecordCodec::encode(fiche(k));
    octets.append(record.data(), record.size());
  }
  // A base shared through a link is replaced where the link leads, and the link stays.
  const FileError erreur = files.replace(files.linkTarget(cheminBase(programDir)), octets);
  if (erreur == FileError::Aucune) lu_ = octets;
  return erreur;
}

bool BaseEspeces::inchangee(FileAccess& files, const std::filesystem::path& programDir) const {
  const FileRead file = lire(files, programDir);
  return file.octets == lu_ &&
         (file.erreur == FileError::Aucune || file.erreur == FileError::NonTrouve);
}

// One card more than the table holds tells whether the file has cards beyond it.
FileRead BaseEspeces::lire(FileAccess& files, const std::filesystem::path& programDir) {
  return files.read(cheminBase(programDir), kTailleMax + RecordCodec::kTailleFiche);
}

}  // namespace sylvenor
