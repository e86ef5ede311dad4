#include "keys/TirageEspece.h"

namespace sylvenor {
namespace {

bool repartitionUtilisee(std::int16_t repartition, const std::array<bool, 4>& utiliser) {
  // A code outside the table is never used as an index: such a species is not drawn.
  return repartition >= 0 && repartition < static_cast<std::int16_t>(utiliser.size()) &&
         utiliser[static_cast<std::size_t>(repartition)];
}

}  // namespace

std::vector<std::int16_t> TirageEspece::candidats(const BaseEspeces& base, std::int16_t vegetal,
                                                  const std::array<bool, 4>& utiliser) {
  std::vector<std::int16_t> candidates;
  for (std::int16_t k = 1; k <= base.NbFiches(); ++k) {
    const FicheEspece& fiche = base.fiche(k);
    if (fiche.Vegetal == vegetal && repartitionUtilisee(fiche.Repartition, utiliser)) {
      candidates.push_back(k);
    }
  }
  return candidates;
}

std::optional<std::int16_t> TirageEspece::AuHasard(const BaseEspeces& base, std::int16_t vegetal,
                                                   const std::array<bool, 4>& utiliser,
                                                   std::mt19937& hasard) {
  const std::vector<std::int16_t> candidates = candidats(base, vegetal, utiliser);
  if (candidates.empty()) return std::nullopt;
  std::uniform_int_distribution<std::size_t> pick(0, candidates.size() - 1);
  return candidates[pick(hasard)];
}

bool TirageEspece::contientGenre(const BaseEspeces& base, std::int16_t vegetal) {
  for (int k = 1; k <= base.NbFiches(); ++k) {
    if (base.fiche(k).Vegetal == vegetal) return true;
  }
  return false;
}

}  // namespace sylvenor
