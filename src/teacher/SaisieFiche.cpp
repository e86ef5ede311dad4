#include "teacher/SaisieFiche.h"

#include "species/RecordCodec.h"
#include "species/SpeciesCodes.h"

namespace sylvenor {
namespace {

// The file pads every text with blanks to its width; the editor shows the text alone, so that
// what the teacher types at its end is not lost after the padding.
std::string sansRemplissage(const std::string& texte) {
  return texte.substr(0, texte.find_last_not_of(' ') + 1);
}

}  // namespace

SaisieFiche SaisieFiche::vierge() {
  SaisieFiche saisie;
  saisie.info.fill("?");
  return saisie;
}

SaisieFiche SaisieFiche::depuis(const FicheEspece& fiche) {
  SaisieFiche saisie;
  saisie.nom = sansRemplissage(fiche.Nom);
  saisie.animal = fiche.Vegetal != kVegetal;
  const bool connu = nomGroupe(saisie.animal ? kAnimal : kVegetal, fiche.Groupe).has_value();
  (saisie.animal ? saisie.spyAnim : saisie.spyVeget) = connu ? fiche.Groupe : std::int16_t{-1};
  saisie.spyRepartition = fiche.Repartition;
  for (std::size_t k = 0; k < saisie.info.size(); ++k)
    saisie.info[k] = sansRemplissage(fiche.Info[k]);
  return saisie;
}

std::optional<std::string_view> SaisieFiche::refus() const {
  if (nom.empty()) return kAucunNom;
  if ((animal ? spyAnim : spyVeget) < 0) return kAucunGroupe;
  return std::nullopt;
}

FicheEspece SaisieFiche::fiche() const {
  FicheEspece fiche;
  fiche.Nom = nom;
  fiche.Vegetal = animal ? kAnimal : kVegetal;
  fiche.Groupe = animal ? spyAnim : spyVeget;
  fiche.Repartition = spyRepartition;
  fiche.Info = info;
  // Through the file's own form, so that the table holds exactly what the file will.
  const RecordCodec::Bytes stored = RecordCodec::encode(fiche);
  return RecordCodec::decode(std::string_view(stored.data(), stored.size()));
}

}  // namespace sylvenor
