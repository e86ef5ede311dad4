#include "workshop/ClassificationsEnregistrees.h"

#include <array>

#include "app/MessageErreurFichier.h"
#include "species/Blancs.h"
#include "workshop/FichierClassification.h"

namespace sylvenor {
namespace {

// The abbreviations French systems give the months.
constexpr std::array<std::string_view, 12> kMois = {"janv.", "févr.", "mars",  "avr.",
                                                    "mai",   "juin",  "juil.", "août",
                                                    "sept.", "oct.",  "nov.",  "déc."};

// A path separator or a control character, or a dot that would hide the file, becomes "_".
std::string sansSeparateurs(std::string_view nom) {
  std::string sur(nom);
  for (char& c : sur) {
    if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) c = '_';
  }
  if (!sur.empty() && sur.front() == '.') sur.front() = '_';
  return sur;
}

std::string chiffres(int valeur) { return std::to_string(valeur); }

}  // namespace

ClassificationsEnregistrees::ClassificationsEnregistrees(
    FileAccess& fichiers, const std::filesystem::path& dossierProgramme)
    : fichiers_(fichiers), dossier_(dossierProgramme / "sauvegardes") {}

std::string ClassificationsEnregistrees::nomFichier(std::string_view nomEleve,
                                                    const DateHeure& moment) {
  const auto mois = static_cast<std::size_t>(moment.mois - 1) % kMois.size();
  return sansSeparateurs(Blancs::autour(nomEleve)) + ' ' + chiffres(moment.jour) + ' ' +
         std::string(kMois[mois]) + ' ' + chiffres(moment.annee) + ' ' + chiffres(moment.heure) +
         '-' + chiffres(moment.minute) + '-' + chiffres(moment.seconde);
}

FileError ClassificationsEnregistrees::enregistrer(const ClassificationEleve& cle,
                                                   std::string_view nomEleve,
                                                   const DateHeure& moment) {
  // The folder is part of the installation; the program does not make it up.
  if (!fichiers_.exists(dossier_)) return FileError::CheminIntrouvable;
  return fichiers_.replace(dossier_ / nomFichier(nomEleve, moment),
                           FichierClassification::ecrire(cle));
}

FileList ClassificationsEnregistrees::lister() { return fichiers_.listFiles(dossier_); }

ClassificationsEnregistrees::Chargement ClassificationsEnregistrees::charger(
    const std::string& nom) {
  const auto fichier = chemin(nom);
  if (!fichier) return {FileError::NonTrouve, std::nullopt};
  const FileRead lu = fichiers_.readNoLink(*fichier, FichierClassification::kTailleMax);
  if (lu.erreur != FileError::Aucune) return {lu.erreur, std::nullopt};
  if (lu.tronque) return {};
  return {FileError::Aucune, FichierClassification::lire(lu.octets)};
}

FileError ClassificationsEnregistrees::detruire(const std::string& nom) {
  const auto fichier = chemin(nom);
  if (!fichier) return FileError::NonTrouve;
  if (const FileError erreur = fichiers_.makeWritable(*fichier); erreur != FileError::Aucune) {
    return erreur;
  }
  return fichiers_.remove(*fichier);
}

// Only the names of the folder's own files are accepted.
std::optional<std::filesystem::path> ClassificationsEnregistrees::chemin(
    const std::string& nom) const {
  if (nom.empty() || nom == "." || nom == ".." || nom.find('/') != std::string::npos) {
    return std::nullopt;
  }
  return dossier_ / nom;
}

std::string ClassificationsEnregistrees::messageErreur(FileError erreur, Operation operation) {
  MessageErreurFichier::Textes textes;
  textes.nonTrouve = operation == Operation::Enregistrement
                         ? "Les fichiers ne peuvent être écrits sur ce support."
                         : "Les fichiers ne peuvent être supprimés de ce support.";
  textes.nonTrouve += "\nTraitement interrompu.";
  textes.accesRefuse = "Fichiers en lecture seule.\nTraitement impossible.";
  textes.disquePlein.reset();
  return MessageErreurFichier::texte(erreur, textes);
}

}  // namespace sylvenor
