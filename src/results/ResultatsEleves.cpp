#include "results/ResultatsEleves.h"

#include "results/FichierResultat.h"
#include "workshop/ClassificationsEnregistrees.h"

namespace sylvenor {
namespace {

constexpr std::string_view kExtension = ".txt";

// Only a plain name of the folder: never a path that leads elsewhere.
bool nomSimple(const std::string& nom) {
  return !nom.empty() && nom.find('/') == std::string::npos && nom != "." && nom != "..";
}

}  // namespace

ResultatsEleves::ResultatsEleves(FileAccess& fichiers,
                                 const std::filesystem::path& dossierProgramme)
    : fichiers_(fichiers), dossier_(dossierProgramme / "resultats") {}

FileError ResultatsEleves::enregistrer(const ResultatEleve& resultat) {
  if (!fichiers_.exists(dossier_)) {
    if (const FileError erreur = fichiers_.createFolders(dossier_); erreur != FileError::Aucune) {
      return erreur;
    }
  }
  const std::string nom = ClassificationsEnregistrees::nomFichier(resultat.eleve, resultat.moment) +
                          std::string(kExtension);
  return fichiers_.replace(dossier_ / nom, FichierResultat::ecrire(resultat));
}

ResultatsEleves::Lecture ResultatsEleves::lire() {
  Lecture lecture;
  if (!fichiers_.exists(dossier_)) return lecture;
  const FileList liste = fichiers_.listFiles(dossier_);
  lecture.erreur = liste.erreur;
  for (const std::string& nom : liste.noms) {
    // A link is not followed: the folder never shows another file's bytes.
    const FileRead lu = fichiers_.readNoLink(dossier_ / nom, FichierResultat::kTailleMax);
    auto resultat = lu.erreur == FileError::Aucune && !lu.tronque ? FichierResultat::lire(lu.octets)
                                                                  : std::nullopt;
    if (!resultat) {
      ++lecture.illisibles;
      continue;
    }
    resultat->fichier = nom;
    lecture.resultats.push_back(std::move(*resultat));
  }
  return lecture;
}

FileError ResultatsEleves::supprimer(const std::string& fichier) {
  if (!nomSimple(fichier)) return FileError::NonTrouve;
  return fichiers_.remove(dossier_ / fichier);
}

}  // namespace sylvenor
