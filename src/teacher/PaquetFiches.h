#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileAccess.h"
#include "species/FicheEspece.h"

namespace sylvenor {

// A card package: a folder holding "Sylvenor.base", records in the layout of the base file,
// and beside it the pictures of record k, k.jpg and kgrand.jpg.
class PaquetFiches {
 public:
  static constexpr std::string_view kNomFichier = "Sylvenor.base";
  // More records than this are not read: no base could take them.
  static constexpr std::size_t kMaxFiches = 10000;

  struct Carte {
    int numero = 0;  // the record's number in the package, which names its pictures
    FicheEspece fiche;
  };
  struct Lecture {
    bool trouve = false;
    FileError erreur = FileError::Aucune;
    std::vector<Carte> cartes;  // the whole records whose codes are all known
    std::vector<int> refusees;  // the numbers of the records with an unknown code
    bool tronque = false;       // records beyond kMaxFiches were left out
  };

  // Finds the package file whatever the letter case of its name (packages made on other
  // systems), the exact name first. A last record cut short is not read.
  static Lecture lire(FileAccess& fichiers, const std::filesystem::path& dossier);
  static std::filesystem::path fichier(FileAccess& fichiers, const std::filesystem::path& dossier);
  static std::filesystem::path photo(const std::filesystem::path& dossier, int numero);
  static std::filesystem::path photoAgrandie(const std::filesystem::path& dossier, int numero);
  // The list item of a card: " " + number + "- " + its name as stored.
  static std::string libelle(int numero, const FicheEspece& fiche);
};

}  // namespace sylvenor
