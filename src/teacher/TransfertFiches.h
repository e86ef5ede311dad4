#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileAccess.h"
#include "species/BaseEspeces.h"
#include "teacher/PaquetFiches.h"

namespace sylvenor {

// Moves cards between the base and a card package, with their pictures. A card with no
// photograph takes the placeholder's. A transfer is all or nothing: pictures already at the
// numbers written are moved aside first, and on any failure the copies are removed, those
// pictures put back, and the base, its file and the package are as before.
class TransfertFiches {
 public:
  struct Suivi {
    std::function<void(const std::string& nom)> sansPhoto;  // a card took the placeholder
    std::function<void()> carteFaite;
  };
  struct Resultat {
    FileError erreur = FileError::Aucune;
    std::string refus;  // why the transfer was refused before anything changed
    bool reussi() const { return erreur == FileError::Aucune && refus.empty(); }
  };

  TransfertFiches(FileAccess& fichiers, std::filesystem::path dossierProgramme)
      : fichiers_(fichiers), dossier_(std::move(dossierProgramme)) {}

  // Appends the chosen cards of the package after the last card, then rewrites the base.
  Resultat importer(BaseEspeces& base, const std::filesystem::path& dossierPaquet,
                    const std::vector<PaquetFiches::Carte>& choisies, const Suivi& suivi);
  // Replaces the package in `dossier` by the chosen species, numbered from 1 in that order.
  Resultat exporter(const BaseEspeces& base, const std::vector<int>& especes,
                    const std::filesystem::path& dossier, const Suivi& suivi);

  // For each card, whether no card of the base has its name, letter case aside.
  static std::vector<bool> nouvelles(const std::vector<PaquetFiches::Carte>& cartes,
                                     const BaseEspeces& base);
  static std::string messageErreur(FileError erreur);
  // Finishes an import cut short by a crash: the pictures it had copied go unless the base names
  // them, and those it had moved aside go anyway (no card uses them). With the data folder locked.
  static void reprendre(FileAccess& fichiers, const std::filesystem::path& dossierProgramme);
  static std::string messageSansPhoto(const std::string& nom);

 private:
  FileError copier(const FileRead& lu, const std::filesystem::path& vers);
  std::optional<FileRead> lireImage(const std::filesystem::path& image);
  // The photograph, or the placeholder's; then the enlarged one, or none left at `vers`.
  FileError copierImages(const std::filesystem::path& photo, const std::filesystem::path& grande,
                         int numero, const std::filesystem::path& dossierCible,
                         const std::string& nom, const Suivi& suivi);
  // Moves a picture about to be replaced or removed out of the way, into a hidden folder beside
  // it, to put it back on failure.
  FileError ecarter(const std::filesystem::path& image);
  static std::filesystem::path dossierEcart(const std::filesystem::path& dossier);
  Resultat terminer(FileError erreur);
  Resultat refuserDossierData(const std::filesystem::path& dossier, const char* sens) const;

  struct Ecartee {
    std::filesystem::path image;
    std::filesystem::path cote;
  };

  FileAccess& fichiers_;
  std::filesystem::path dossier_;
  std::vector<std::filesystem::path> copies_;  // pictures written by the current transfer
  std::vector<Ecartee> ecartees_;
};

}  // namespace sylvenor
