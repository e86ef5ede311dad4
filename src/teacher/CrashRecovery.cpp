#include "teacher/CrashRecovery.h"

#include "species/ImagesEspece.h"
#include "teacher/SuppressionEspeces.h"
#include "teacher/TransfertFiches.h"

namespace sylvenor {

void CrashRecovery::run(FileAccess& files, const std::filesystem::path& programDir) {
  SuppressionEspeces::reprendre(files, programDir);
  TransfertFiches::nettoyer(files, programDir);
  files.removeLeftovers(ImagesEspece::dossierData(programDir));
}

}  // namespace sylvenor
