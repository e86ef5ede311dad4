#include "teacher/CrashRecovery.h"

#include "species/ImagesEspece.h"
#include "teacher/SuppressionEspeces.h"
#include "teacher/TransfertFiches.h"

namespace sylvenor {

void CrashRecovery::run(FileAccess& files, const std::filesystem::path& programDir,
                        const std::function<void()>& attente) {
  // Another copy of the program may be in the middle of a change: it finishes first.
  if (attente && files.folderBusy(ImagesEspece::dossierData(programDir))) attente();
  const std::unique_ptr<FolderLock> verrou =
      files.lockFolder(ImagesEspece::dossierData(programDir));
  SuppressionEspeces::reprendre(files, programDir);
  TransfertFiches::reprendre(files, programDir);
  files.removeLeftovers(ImagesEspece::dossierData(programDir));
  // A key save cut short leaves its temporary file: a save running now in another copy would
  // then fail and say so, but never lose a key already saved.
  files.removeLeftovers(programDir / "sauvegardes");
}

}  // namespace sylvenor
