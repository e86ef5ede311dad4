#include "teacher/PlanImport.h"

#include <sstream>
#include <string>

#include "species/BaseEspeces.h"
#include "species/ImagesEspece.h"

namespace sylvenor {
namespace {

std::filesystem::path chemin(const std::filesystem::path& programDir) {
  return ImagesEspece::dossierData(programDir) / PlanImport::kFichier;
}

}  // namespace

FileError PlanImport::ecrire(FileAccess& files, const std::filesystem::path& programDir,
                             int premier, int dernier, std::size_t tailleBase) {
  return files.replace(chemin(programDir), std::to_string(premier) + ' ' + std::to_string(dernier) +
                                               ' ' + std::to_string(tailleBase) + '\n');
}

FileError PlanImport::effacer(FileAccess& files, const std::filesystem::path& programDir) {
  const FileError erreur = files.remove(chemin(programDir));
  if (erreur != FileError::Aucune && erreur != FileError::NonTrouve) return erreur;
  return files.flush(ImagesEspece::dossierData(programDir));
}

void PlanImport::reprendre(FileAccess& files, const std::filesystem::path& programDir) {
  const FileRead plan = files.read(chemin(programDir), 256);
  if (plan.erreur != FileError::Aucune) return;
  std::istringstream lu(plan.octets);
  int premier = 0;
  int dernier = 0;
  std::size_t taille = 0;
  // A plan that does not read names nothing to remove.
  if (lu >> premier >> dernier >> taille && premier >= 1 && dernier <= BaseEspeces::kCapacite) {
    const FileRead base = files.read(BaseEspeces::cheminBase(programDir), taille + 1);
    if (base.erreur == FileError::Aucune && base.octets.size() != taille) {
      for (int n = premier; n <= dernier; ++n) {
        files.remove(ImagesEspece::photo(programDir, n));
        files.remove(ImagesEspece::photoAgrandie(programDir, n));
      }
    }
  }
  effacer(files, programDir);
}

}  // namespace sylvenor
