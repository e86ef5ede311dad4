#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Clock.h"
#include "platform/FileAccess.h"
#include "workshop/ClassificationEleve.h"

namespace sylvenor {

// The pupils' saved keys: one file each in the "sauvegardes" folder of the program, named
// after the pupil and the moment of saving.
class ClassificationsEnregistrees {
 public:
  enum class Operation { Enregistrement, Suppression };
  struct Chargement {
    FileError erreur = FileError::Aucune;
    std::optional<ClassificationEleve> cle;  // empty when the file is not a saved key
  };

  static constexpr std::string_view kReussite = "Enregistrement réussi.";
  static constexpr std::string_view kAucunFichier = "Aucun fichier ne peut être chargé";
  static constexpr std::string_view kPasUneClassification =
      "Ce fichier ne contient pas de classification.\nRien n'a été chargé.";
  static constexpr std::string_view kIllisible =
      "Ce fichier ne peut pas être lu.\nRien n'a été chargé.";

  ClassificationsEnregistrees(FileAccess& fichiers, const std::filesystem::path& dossierProgramme);

  // The pupil's name without its blanks at both ends, the day ("7 mars 2026") and the time
  // ("9-5-30"). A path separator, a control character or a leading dot in the name becomes "_",
  // so the file always stays in its folder and shows in its list.
  static std::string nomFichier(std::string_view nomEleve, const DateHeure& moment);
  // Writes the whole file or nothing; a save within the same second replaces the former one.
  FileError enregistrer(const ClassificationEleve& cle, std::string_view nomEleve,
                        const DateHeure& moment);
  FileList lister();
  Chargement charger(const std::string& nom);
  // Deletes the file, even a read-only one.
  FileError detruire(const std::string& nom);

  static std::string messageErreur(FileError erreur, Operation operation);

 private:
  std::optional<std::filesystem::path> chemin(const std::string& nom) const;

  FileAccess& fichiers_;
  std::filesystem::path dossier_;
};

}  // namespace sylvenor
