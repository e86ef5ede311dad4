#include "teacher/TransfertFiches.h"

#include <algorithm>

#include "app/MessageErreurFichier.h"
#include "species/Cp1252.h"
#include "species/ImagesEspece.h"
#include "species/RecordCodec.h"
#include "teacher/PlanImport.h"
#include "teacher/SuppressionEspeces.h"

namespace sylvenor {
namespace {

// A photograph larger than this is not one.
constexpr std::size_t kTailleMaxImage = 64 * 1024 * 1024;

// Upper case in Windows-1252, accented letters included, over the 50 bytes of a name.
std::string nomMajuscule(const std::string& nom) {
  std::string octets = Cp1252::encodeField(nom, RecordCodec::kTailleNom);
  for (char& c : octets) {
    const auto octet = static_cast<unsigned char>(c);
    if ((octet >= 'a' && octet <= 'z') || (octet >= 0xE0 && octet <= 0xFE && octet != 0xF7)) {
      c = static_cast<char>(octet - 0x20);
    } else if (octet == 0x9A || octet == 0x9C || octet == 0x9E) {
      c = static_cast<char>(octet - 0x10);
    } else if (octet == 0xFF) {
      c = static_cast<char>(0x9F);
    }
  }
  return octets;
}

}  // namespace

FileError TransfertFiches::copier(const FileRead& lu, const std::filesystem::path& vers) {
  if (lu.erreur != FileError::Aucune) return lu.erreur;
  if (lu.tronque) return FileError::Autre;
  // Brought onto the disk all together before the base or the package names them.
  return fichiers_.replaceUnflushed(vers, lu.octets);
}

// A picture that is missing, a link or no ordinary file is not taken: a link could hand over
// any file of the computer.
std::optional<FileRead> TransfertFiches::lireImage(const std::filesystem::path& image) {
  FileRead lu = fichiers_.readNoLink(image, kTailleMaxImage);
  if (lu.erreur == FileError::NonTrouve || lu.erreur == FileError::AccesRefuse) return std::nullopt;
  return lu;
}

FileError TransfertFiches::ecarter(const std::filesystem::path& image) {
  if (!fichiers_.exists(image)) return FileError::Aucune;
  const std::filesystem::path dossier = dossierEcart(image.parent_path());
  if (ecartees_.empty()) {
    if (const FileError erreur = fichiers_.createFolders(dossier); erreur != FileError::Aucune) {
      return erreur;
    }
  }
  const std::filesystem::path cote = dossier / image.filename();
  const FileError erreur = fichiers_.rename(image, cote);
  if (erreur == FileError::Aucune) ecartees_.push_back({image, cote});
  return erreur;
}

FileError TransfertFiches::copierImages(const std::filesystem::path& photo,
                                        const std::filesystem::path& grande, int numero,
                                        const std::filesystem::path& dossierCible,
                                        const std::string& nom, const Suivi& suivi) {
  const std::filesystem::path cible = PaquetFiches::photo(dossierCible, numero);
  const std::filesystem::path cibleGrande = PaquetFiches::photoAgrandie(dossierCible, numero);
  // An enlarged photograph left there by an earlier card would show beside this one.
  for (const auto& image : {cible, cibleGrande}) {
    if (const FileError erreur = ecarter(image); erreur != FileError::Aucune) return erreur;
  }
  std::optional<FileRead> source = lireImage(photo);
  if (!source) {
    if (suivi.sansPhoto) suivi.sansPhoto(nom);
    // Without its placeholder either, the card goes without a photograph.
    source = lireImage(ImagesEspece::photo(dossier_, 0));
  }
  if (source) {
    if (const FileError erreur = copier(*source, cible); erreur != FileError::Aucune) return erreur;
    copies_.push_back(cible);
  }
  const std::optional<FileRead> agrandie = lireImage(grande);
  if (!agrandie) return FileError::Aucune;
  const FileError erreur = copier(*agrandie, cibleGrande);
  if (erreur == FileError::Aucune) copies_.push_back(cibleGrande);
  return erreur;
}

// After a failure the copies go and the pictures moved aside come back; after a success the
// pictures moved aside go.
TransfertFiches::Resultat TransfertFiches::terminer(FileError erreur) {
  bool remises = true;
  if (erreur != FileError::Aucune) {
    for (const std::filesystem::path& copie : copies_) fichiers_.remove(copie);
    for (auto it = ecartees_.rbegin(); it != ecartees_.rend(); ++it) {
      remises = fichiers_.rename(it->cote, it->image) == FileError::Aucune && remises;
    }
  }
  // A picture that could not be put back stays aside rather than be lost.
  if (!ecartees_.empty() && remises) {
    fichiers_.removeFolder(ecartees_.front().cote.parent_path());
  }
  copies_.clear();
  ecartees_.clear();
  return {erreur, {}};
}

// Copying a folder's pictures onto itself would overwrite some before they are read.
TransfertFiches::Resultat TransfertFiches::refuserDossierData(const std::filesystem::path& dossier,
                                                              const char* sens) const {
  // The same folder however it is spelt, linked or ended.
  std::error_code erreurChemin;
  if (!std::filesystem::equivalent(dossier, ImagesEspece::dossierData(dossier_), erreurChemin)) {
    return {};
  }
  return {FileError::Aucune, std::string("Le chemin ") + sens +
                                 " ne peut être\nle même que celui du logiciel en cours "
                                 "d'utilisation."};
}

TransfertFiches::Resultat TransfertFiches::importer(
    BaseEspeces& base, const std::filesystem::path& dossierPaquet,
    const std::vector<PaquetFiches::Carte>& choisies, const Suivi& suivi) {
  const int avant = base.NbFiches();
  const int place = BaseEspeces::kCapacite - avant;
  if (static_cast<int>(choisies.size()) > place) {
    return {FileError::Aucune, "La base ne peut plus recevoir que " + std::to_string(place) +
                                   " fiches sur les " + std::to_string(BaseEspeces::kCapacite) +
                                   ".\nSélectionnez-en moins."};
  }
  if (Resultat refus = refuserDossierData(dossierPaquet, "source"); !refus.refus.empty()) {
    return refus;
  }
  const std::unique_ptr<FolderLock> verrou =
      fichiers_.lockFolder(ImagesEspece::dossierData(dossier_));
  // A removal left unfinished would give its old pictures the numbers this import writes.
  if (const FileError avant = SuppressionEspeces::reprendre(fichiers_, dossier_);
      avant != FileError::Aucune) {
    return {avant, {}};
  }
  reprendre(fichiers_, dossier_);
  if (!base.inchangee(fichiers_, dossier_)) return {FileError::ChangeeAilleurs, {}};
  const std::filesystem::path fichierBase = BaseEspeces::cheminBase(dossier_);
  if (fichiers_.exists(fichierBase)) {
    if (const FileError erreur = fichiers_.makeWritable(fichierBase); erreur != FileError::Aucune) {
      return {erreur, {}};
    }
  }
  // The cards go into a copy of the table, which replaces it once everything is written.
  BaseEspeces nouvelle = base;
  const auto nombre = static_cast<int>(choisies.size());
  FileError erreur =
      PlanImport::ecrire(fichiers_, dossier_, avant + 1, avant + nombre,
                         static_cast<std::size_t>(avant + nombre) * RecordCodec::kTailleFiche);
  for (std::size_t i = 0; i < choisies.size() && erreur == FileError::Aucune; ++i) {
    const PaquetFiches::Carte& carte = choisies[i];
    const int numero = avant + static_cast<int>(i) + 1;
    erreur = copierImages(PaquetFiches::photo(dossierPaquet, carte.numero),
                          PaquetFiches::photoAgrandie(dossierPaquet, carte.numero), numero,
                          ImagesEspece::dossierData(dossier_), carte.fiche.Nom, suivi);
    if (erreur == FileError::Aucune && !nouvelle.ajouter(carte.fiche)) erreur = FileError::Autre;
    if (suivi.carteFaite) suivi.carteFaite();
  }
  if (erreur == FileError::Aucune) erreur = fichiers_.flush(ImagesEspece::dossierData(dossier_));
  if (erreur == FileError::Aucune) erreur = nouvelle.EnregBase(fichiers_, dossier_);
  if (erreur == FileError::Aucune) base = nouvelle;
  Resultat resultat = terminer(erreur);
  // Once the copies are gone or the base names them, the plan has done its work.
  PlanImport::effacer(fichiers_, dossier_);
  return resultat;
}

TransfertFiches::Resultat TransfertFiches::exporter(const BaseEspeces& base,
                                                    const std::vector<int>& especes,
                                                    const std::filesystem::path& dossier,
                                                    const Suivi& suivi) {
  if (Resultat refus = refuserDossierData(dossier, "de destination"); !refus.refus.empty()) {
    return refus;
  }
  std::string paquet;
  for (std::size_t j = 0; j < especes.size(); ++j) {
    const int espece = especes[j];
    const FicheEspece& fiche = base.fiche(espece);
    const FileError erreur = copierImages(ImagesEspece::photo(dossier_, espece),
                                          ImagesEspece::photoAgrandie(dossier_, espece),
                                          static_cast<int>(j) + 1, dossier, fiche.Nom, suivi);
    if (erreur != FileError::Aucune) return terminer(erreur);
    const RecordCodec::Bytes record = RecordCodec::encode(fiche);
    paquet.append(record.data(), record.size());
    if (suivi.carteFaite) suivi.carteFaite();
  }
  FileError erreur = fichiers_.flush(dossier);
  if (erreur == FileError::Aucune) {
    erreur = fichiers_.replace(dossier / PaquetFiches::kNomFichier, paquet);
  }
  return terminer(erreur);
}

std::filesystem::path TransfertFiches::dossierEcart(const std::filesystem::path& dossier) {
  return dossier / ".avant";
}

void TransfertFiches::reprendre(FileAccess& fichiers,
                                const std::filesystem::path& dossierProgramme) {
  PlanImport::reprendre(fichiers, dossierProgramme);
  fichiers.removeFolder(dossierEcart(ImagesEspece::dossierData(dossierProgramme)));
}

std::vector<bool> TransfertFiches::nouvelles(const std::vector<PaquetFiches::Carte>& cartes,
                                             const BaseEspeces& base) {
  std::vector<std::string> locaux;
  for (int k = 1; k <= base.NbFiches(); ++k) locaux.push_back(nomMajuscule(base.fiche(k).Nom));
  std::vector<bool> resultat;
  for (const PaquetFiches::Carte& carte : cartes) {
    resultat.push_back(std::find(locaux.begin(), locaux.end(), nomMajuscule(carte.fiche.Nom)) ==
                       locaux.end());
  }
  return resultat;
}

std::string TransfertFiches::messageErreur(FileError erreur) {
  MessageErreurFichier::Textes textes;
  textes.nonTrouve =
      "Les fichiers ne peuvent être modifiés sur ce support.\nTraitement interrompu.";
  textes.accesRefuse = "Au moins un des fichiers est en lecture seule.\nTraitement impossible.";
  textes.indice = "Vérifiez que vous ne tentez pas d'écrire sur un CD-ROM.";
  return MessageErreurFichier::texte(erreur, textes);
}

std::string TransfertFiches::messageSansPhoto(const std::string& nom) {
  return "Il n'y a pas de photo pour \n\n" + nom + ".";
}

}  // namespace sylvenor
