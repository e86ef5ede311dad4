#include "teacher/SuppressionEspeces.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "species/ImagesEspece.h"
#include "species/RecordCodec.h"

namespace sylvenor {
namespace {

// The new numbering, built beside the pictures.
std::filesystem::path dossierEtape(const std::filesystem::path& programDir) {
  return ImagesEspece::dossierData(programDir) / ".suppression";
}

// Beside the new names: the base file's size once replaced, then the pictures that no card
// will use any more.
constexpr const char* kPlan = "plan";
// Written once the base file is replaced.
constexpr const char* kFait = "fait";

// A kept picture's file name: the old number and the species' name, with no folder in it.
std::string nomRetire(std::int16_t numero, const std::string& nom, const char* suffixe) {
  std::string propre = nom.substr(0, nom.find_last_not_of(' ') + 1);
  std::ranges::replace_if(
      propre, [](char c) { return c == '/' || static_cast<unsigned char>(c) < 0x20; }, '-');
  return std::to_string(numero) + "-" + propre + suffixe;
}

std::array<std::filesystem::path, 2> images(const std::filesystem::path& programDir, int n) {
  return {ImagesEspece::photo(programDir, n), ImagesEspece::photoAgrandie(programDir, n)};
}

struct Plan {
  std::size_t tailleBase = 0;
  std::vector<std::string> perimees;
};

std::optional<Plan> lirePlan(FileAccess& files, const std::filesystem::path& programDir) {
  const FileRead lu = files.read(dossierEtape(programDir) / kPlan, 1 << 20);
  if (lu.erreur != FileError::Aucune || lu.tronque) return std::nullopt;
  std::istringstream lignes(lu.octets);
  std::string ligne;
  Plan plan;
  if (!std::getline(lignes, ligne)) return std::nullopt;
  const auto [fin, erreur] =
      std::from_chars(ligne.data(), ligne.data() + ligne.size(), plan.tailleBase);
  if (erreur != std::errc() || fin != ligne.data() + ligne.size()) return std::nullopt;
  while (std::getline(lignes, ligne)) plan.perimees.push_back(ligne);
  return plan;
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
  const std::unique_ptr<FolderLock> verrou = files_.lockFolder(ImagesEspece::dossierData(dir_));
  // A removal left unfinished earlier in this session goes first: its pictures are staged.
  if (const FileError avant = reprendre(files_, dir_); avant != FileError::Aucune) return avant;

  BaseEspeces nouvelle = base_;
  const auto kept = static_cast<std::int16_t>(garde.size());
  for (std::int16_t j = 1; j <= kept; ++j) {
    nouvelle.fiche(j) = base_.fiche(garde[static_cast<std::size_t>(j - 1)]);
  }
  nouvelle.setNbFiches(kept);

  erreur_ = preparer(garde, premiere, retiree, supprimerImages, progression);
  if (erreur_ == FileError::Aucune) erreur_ = nouvelle.EnregBase(files_, dir_);
  if (erreur_ != FileError::Aucune) {
    files_.removeFolder(dossierEtape(dir_));
    return erreur_;
  }
  base_ = std::move(nouvelle);
  // Without this mark, an edit of the base before the next start would hide that it was replaced.
  FileError fin = files_.replace(dossierEtape(dir_) / kFait, "");
  if (fin == FileError::Aucune) fin = achever(files_, dir_);
  for (int n = kept + 1; n <= total; ++n) {
    if (progression) progression(n);
  }
  return fin;
}

FileError SuppressionEspeces::preparer(const std::vector<std::int16_t>& garde,
                                       std::int16_t premiere, const std::vector<bool>& retiree,
                                       bool supprimerImages,
                                       const std::function<void(int)>& progression) {
  // No folder is left from before: `supprimer` has just finished or forgotten it.
  const std::filesystem::path etape = dossierEtape(dir_);
  erreur_ = files_.createFolders(etape / kDossierRetirees);
  const auto kept = static_cast<std::int16_t>(garde.size());
  for (std::int16_t j = 1; j <= kept; ++j) {
    if (j >= premiere) {
      const auto anciennes = images(dir_, garde[static_cast<std::size_t>(j - 1)]);
      const auto nouvelles = images(dir_, j);
      for (std::size_t i = 0; i < anciennes.size(); ++i) {
        lier(anciennes[i], etape / nouvelles[i].filename());
      }
    }
    if (progression) progression(j);
  }
  const std::int16_t total = static_cast<std::int16_t>(retiree.size() - 1);
  for (std::int16_t n = premiere; n <= total && !supprimerImages; ++n) {
    if (!retiree[static_cast<std::size_t>(n)]) continue;
    const std::string& nom = base_.fiche(n).Nom;
    const auto [photo, grande] = images(dir_, n);
    lier(photo, etape / kDossierRetirees / nomRetire(n, nom, ".jpg"));
    lier(grande, etape / kDossierRetirees / nomRetire(n, nom, " grand.jpg"));
  }
  // The second names must be on the disk before the plan makes them count.
  if (erreur_ == FileError::Aucune) erreur_ = files_.flush(etape);
  ecrirePlan(premiere, static_cast<std::size_t>(kept) * RecordCodec::kTailleFiche);
  return erreur_;
}

void SuppressionEspeces::lier(const std::filesystem::path& image,
                              const std::filesystem::path& nom) {
  if (erreur_ == FileError::Aucune && files_.exists(image)) erreur_ = files_.link(image, nom);
}

// Every picture from the first removed number on that no new name replaces.
void SuppressionEspeces::ecrirePlan(std::int16_t premiere, std::size_t tailleBase) {
  if (erreur_ != FileError::Aucune) return;
  const std::filesystem::path etape = dossierEtape(dir_);
  std::string plan = std::to_string(tailleBase) + "\n";
  for (int n = premiere; n <= base_.NbFiches(); ++n) {
    for (const auto& image : images(dir_, n)) {
      if (files_.exists(image) && !files_.exists(etape / image.filename())) {
        plan += image.filename().string() + "\n";
      }
    }
  }
  erreur_ = files_.replace(etape / kPlan, plan);
}

// Each step can be taken again after a crash: a picture already moved is no longer in the
// folder, and no picture to delete has a name that a moved one takes.
FileError SuppressionEspeces::achever(FileAccess& files, const std::filesystem::path& programDir) {
  const std::filesystem::path etape = dossierEtape(programDir);
  const std::filesystem::path data = ImagesEspece::dossierData(programDir);
  const std::optional<Plan> plan = lirePlan(files, programDir);
  // The plan only goes in the last clearing up, once every picture has its new number.
  if (!plan) return files.removeFolder(etape);
  for (const std::string& perimee : plan->perimees) {
    if (files.exists(data / perimee)) files.remove(data / perimee);
  }
  FileError erreur = FileError::Aucune;
  const auto deplacer = [&](const std::filesystem::path& de, const std::filesystem::path& vers,
                            const std::set<std::string>& sauf) {
    const FileList liste = files.listFiles(de);
    for (const std::string& nom : liste.noms) {
      if (sauf.contains(nom)) continue;
      const FileError e = files.rename(de / nom, vers / nom);
      if (erreur == FileError::Aucune) erreur = e;
    }
  };
  deplacer(etape, data, {kPlan, kFait});
  if (!files.listFiles(etape / kDossierRetirees).noms.empty()) {
    files.createFolders(data / kDossierRetirees);
    deplacer(etape / kDossierRetirees, data / kDossierRetirees, {});
  }
  // The plan goes only once the pictures' new names are sure to be on the disk.
  if (erreur == FileError::Aucune) erreur = files.flush(data);
  if (erreur == FileError::Aucune) erreur = files.removeFolder(etape);
  return erreur;
}

FileError SuppressionEspeces::reprendre(FileAccess& files,
                                        const std::filesystem::path& programDir) {
  const std::filesystem::path etape = dossierEtape(programDir);
  if (!files.exists(etape)) return FileError::Aucune;
  bool remplacee = files.exists(etape / kFait);
  if (const std::optional<Plan> plan = lirePlan(files, programDir); plan && !remplacee) {
    // A removal always shortens the file, so its size tells whether it was replaced.
    const FileRead base = files.read(BaseEspeces::cheminBase(programDir), plan->tailleBase + 1);
    remplacee =
        base.erreur == FileError::Aucune && base.octets.size() == plan->tailleBase && !base.tronque;
  }
  return remplacee ? achever(files, programDir) : files.removeFolder(etape);
}

}  // namespace sylvenor
