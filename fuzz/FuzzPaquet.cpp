// The card package reader: any bytes give whole records with known codes, or refusals.
#include <cstdint>
#include <cstdlib>

#include "MemoryFileAccess.h"
#include "species/SpeciesCodes.h"
#include "teacher/PaquetFiches.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sylvenor;
  fuzz::MemoryFileAccess fichiers;
  const std::filesystem::path dossier = "/cle-usb";
  fichiers.fichiers[dossier / "sylvenor.BASE"] =
      std::string(reinterpret_cast<const char*>(data), size);
  const PaquetFiches::Lecture lecture = PaquetFiches::lire(fichiers, dossier);
  if (!lecture.trouve || lecture.cartes.size() + lecture.refusees.size() != size / 266) {
    std::abort();
  }
  for (const PaquetFiches::Carte& carte : lecture.cartes) {
    if (!nomGroupe(carte.fiche.Vegetal, carte.fiche.Groupe) ||
        !nomRepartition(carte.fiche.Repartition)) {
      std::abort();
    }
  }
  return 0;
}
