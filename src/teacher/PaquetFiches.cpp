#include "teacher/PaquetFiches.h"

#include <algorithm>
#include <cctype>

#include "species/RecordCodec.h"
#include "species/SpeciesCodes.h"

namespace sylvenor {
namespace {

std::string minuscules(std::string texte) {
  std::transform(texte.begin(), texte.end(), texte.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return texte;
}

bool codesConnus(const FicheEspece& fiche) {
  return (fiche.Vegetal == kAnimal || fiche.Vegetal == kVegetal) &&
         nomGroupe(fiche.Vegetal, fiche.Groupe) && nomRepartition(fiche.Repartition);
}

}  // namespace

std::filesystem::path PaquetFiches::fichier(FileAccess& fichiers,
                                            const std::filesystem::path& dossier) {
  const std::filesystem::path exact = dossier / kNomFichier;
  if (fichiers.exists(exact)) return exact;
  const std::string cherche = minuscules(std::string(kNomFichier));
  for (const std::string& nom : fichiers.listFiles(dossier).noms) {
    if (minuscules(nom) == cherche) return dossier / nom;
  }
  return {};
}

PaquetFiches::Lecture PaquetFiches::lire(FileAccess& fichiers,
                                         const std::filesystem::path& dossier) {
  Lecture lecture;
  const std::filesystem::path chemin = fichier(fichiers, dossier);
  if (chemin.empty()) return lecture;
  lecture.trouve = true;
  const FileRead lu = fichiers.readNoLink(chemin, kMaxFiches * RecordCodec::kTailleFiche);
  lecture.erreur = lu.erreur;
  lecture.tronque = lu.tronque;
  const std::size_t nombre = lu.octets.size() / RecordCodec::kTailleFiche;
  for (std::size_t i = 0; i < nombre; ++i) {
    const int numero = static_cast<int>(i) + 1;
    FicheEspece fiche =
        RecordCodec::decode(std::string_view(lu.octets).substr(i * RecordCodec::kTailleFiche));
    if (codesConnus(fiche)) {
      lecture.cartes.push_back({numero, std::move(fiche)});
    } else {
      lecture.refusees.push_back(numero);
    }
  }
  return lecture;
}

std::filesystem::path PaquetFiches::photo(const std::filesystem::path& dossier, int numero) {
  return dossier / (std::to_string(numero) + ".jpg");
}

std::filesystem::path PaquetFiches::photoAgrandie(const std::filesystem::path& dossier,
                                                  int numero) {
  return dossier / (std::to_string(numero) + "grand.jpg");
}

std::string PaquetFiches::libelle(int numero, const FicheEspece& fiche) {
  return " " + std::to_string(numero) + "- " + fiche.Nom;
}

}  // namespace sylvenor
