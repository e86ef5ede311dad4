#include "support/SpeciesInstallation.h"

#include "species/BaseEspeces.h"
#include "species/ImagesEspece.h"
#include "species/RecordCodec.h"
#include "support/TempDir.h"

namespace sylvenor::test {

void SpeciesInstallation::write(const std::filesystem::path& programDir, int count) {
  std::string bytes;
  for (int n = 1; n <= count; ++n) {
    FicheEspece fiche;
    fiche.Nom = name(n);
    fiche.Info.fill("?");
    const auto record = RecordCodec::encode(fiche);
    bytes.append(record.data(), record.size());
    TempDir::writeFile(ImagesEspece::photo(programDir, n), "photo " + name(n));
    if (n % 2 == 1) {
      TempDir::writeFile(ImagesEspece::photoAgrandie(programDir, n), "grande " + name(n));
    }
  }
  TempDir::writeFile(BaseEspeces::cheminBase(programDir), bytes);
}

}  // namespace sylvenor::test
