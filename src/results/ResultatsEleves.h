#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileAccess.h"
#include "results/ResultatEleve.h"

namespace sylvenor {

// The results kept for the teacher: one file per key run in the "resultats" folder of the
// program, named like the saved keys after the pupil and the moment.
class ResultatsEleves {
 public:
  struct Lecture {
    std::vector<ResultatEleve> resultats;  // in the order of the folder's listing
    int illisibles = 0;                    // files that are not results, or cannot be read
    FileError erreur = FileError::Aucune;  // the folder's own, when it cannot be listed
  };

  ResultatsEleves(FileAccess& fichiers, const std::filesystem::path& dossierProgramme);

  // Writes the whole file or nothing; makes the folder on the first result.
  FileError enregistrer(const ResultatEleve& resultat);
  // A folder not made yet holds no result.
  Lecture lire();
  FileError supprimer(const std::string& fichier);

 private:
  FileAccess& fichiers_;
  std::filesystem::path dossier_;
};

}  // namespace sylvenor
