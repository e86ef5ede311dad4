// The base file reader: any bytes load without a fault, and what loaded is written back and
// loads again the same.
#include <cstdint>
#include <cstdlib>

#include "MemoryFileAccess.h"
#include "species/BaseEspeces.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sylvenor;
  fuzz::MemoryFileAccess fichiers;
  const std::filesystem::path dossier = "/programme";
  fichiers.fichiers[BaseEspeces::cheminBase(dossier)] =
      std::string(reinterpret_cast<const char*>(data), size);
  BaseEspeces base;
  base.ChargerBase(fichiers, dossier);
  if (base.EnregBase(fichiers, dossier) != FileError::Aucune) std::abort();
  BaseEspeces relue;
  relue.ChargerBase(fichiers, dossier);
  if (relue.NbFiches() != base.NbFiches()) std::abort();
  for (int k = 1; k <= base.NbFiches(); ++k) {
    if (!(relue.fiche(k) == base.fiche(k))) std::abort();
  }
  return 0;
}
