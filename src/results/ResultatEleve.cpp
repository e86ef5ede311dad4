#include "results/ResultatEleve.h"

#include "keys/PartBonnesReponses.h"

namespace sylvenor {

std::optional<int> ResultatEleve::pourcent() const {
  const auto part = PartBonnesReponses::calculer(bien, erreurs);
  if (!part) return std::nullopt;
  return part->pourcent;
}

long long ordre(const DateHeure& moment) {
  long long valeur = moment.annee;
  for (const int partie : {moment.mois, moment.jour, moment.heure, moment.minute, moment.seconde}) {
    valeur = valeur * 100 + partie;
  }
  return valeur;
}

}  // namespace sylvenor
