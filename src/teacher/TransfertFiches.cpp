#include "teacher/TransfertFiches.h"

#include <algorithm>

#include "app/MessageErreurFichier.h"
#include "species/Cp1252.h"
#include "species/ImagesEspece.h"
#include "species/RecordCodec.h"

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

FileError TransfertFiches::copier(const std::filesystem::path& de,
                                  const std::filesystem::path& vers) {
  const FileRead lu = fichiers_.read(de, kTailleMaxImage);
  if (lu.erreur != FileError::Aucune) return lu.erreur;
  if (lu.tronque) return FileError::Autre;
  return fichiers_.replace(vers, lu.octets);
}

FileError TransfertFiches::copierImages(const std::filesystem::path& photo,
                                        const std::filesystem::path& grande, int numero,
                                        const std::filesystem::path& dossierCible,
                                        const std::string& nom, const Suivi& suivi) {
  const std::filesystem::path cible = PaquetFiches::photo(dossierCible, numero);
  std::filesystem::path source = photo;
  if (!fichiers_.exists(photo)) {
    source = ImagesEspece::photo(dossier_, 0);
    if (suivi.sansPhoto) suivi.sansPhoto(nom);
  }
  if (const FileError erreur = copier(source, cible); erreur != FileError::Aucune) return erreur;
  copies_.push_back(cible);
  const std::filesystem::path cibleGrande = PaquetFiches::photoAgrandie(dossierCible, numero);
  if (fichiers_.exists(grande)) {
    const FileError erreur = copier(grande, cibleGrande);
    if (erreur == FileError::Aucune) copies_.push_back(cibleGrande);
    return erreur;
  }
  // An enlarged photograph left there by an earlier card would show beside this one.
  if (fichiers_.exists(cibleGrande)) return fichiers_.remove(cibleGrande);
  return FileError::Aucune;
}

void TransfertFiches::effacerCopies() {
  for (const std::filesystem::path& copie : copies_) fichiers_.remove(copie);
  copies_.clear();
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
  const std::filesystem::path fichierBase = BaseEspeces::cheminBase(dossier_);
  if (fichiers_.exists(fichierBase)) {
    if (const FileError erreur = fichiers_.makeWritable(fichierBase); erreur != FileError::Aucune) {
      return {erreur, {}};
    }
  }
  copies_.clear();
  FileError erreur = FileError::Aucune;
  for (std::size_t i = 0; i < choisies.size() && erreur == FileError::Aucune; ++i) {
    const PaquetFiches::Carte& carte = choisies[i];
    const int numero = avant + static_cast<int>(i) + 1;
    erreur = copierImages(PaquetFiches::photo(dossierPaquet, carte.numero),
                          PaquetFiches::photoAgrandie(dossierPaquet, carte.numero), numero,
                          ImagesEspece::dossierData(dossier_), carte.fiche.Nom, suivi);
    base.ajouter(carte.fiche);
    if (suivi.carteFaite) suivi.carteFaite();
  }
  if (erreur == FileError::Aucune) erreur = base.EnregBase(fichiers_, dossier_);
  if (erreur != FileError::Aucune) {
    base.setNbFiches(static_cast<std::int16_t>(avant));
    effacerCopies();
  }
  copies_.clear();
  return {erreur, {}};
}

TransfertFiches::Resultat TransfertFiches::exporter(const BaseEspeces& base,
                                                    const std::vector<int>& especes,
                                                    const std::filesystem::path& dossier,
                                                    const Suivi& suivi) {
  // The same folder however it is spelt, linked or ended.
  std::error_code erreurChemin;
  if (std::filesystem::equivalent(dossier, ImagesEspece::dossierData(dossier_), erreurChemin)) {
    return {FileError::Aucune,
            "Le chemin de destination ne peut être\nle même que celui du logiciel en cours "
            "d'utilisation."};
  }
  std::string paquet;
  copies_.clear();
  for (std::size_t j = 0; j < especes.size(); ++j) {
    const int espece = especes[j];
    const FicheEspece& fiche = base.fiche(espece);
    const FileError erreur = copierImages(ImagesEspece::photo(dossier_, espece),
                                          ImagesEspece::photoAgrandie(dossier_, espece),
                                          static_cast<int>(j) + 1, dossier, fiche.Nom, suivi);
    if (erreur != FileError::Aucune) return {erreur, {}};
    const RecordCodec::Bytes record = RecordCodec::encode(fiche);
    paquet.append(record.data(), record.size());
    if (suivi.carteFaite) suivi.carteFaite();
  }
  copies_.clear();
  return {fichiers_.replace(dossier / PaquetFiches::kNomFichier, paquet), {}};
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
