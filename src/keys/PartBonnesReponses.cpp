#include "keys/PartBonnesReponses.h"

namespace sylvenor {

std::optional<PartBonnesReponses> PartBonnesReponses::calculer(int bien, int erreurs) {
  const long long total = static_cast<long long>(bien) + erreurs;
  if (total <= 0) return std::nullopt;
  return PartBonnesReponses{static_cast<int>(bien * static_cast<long long>(kLargeurBarre) / total),
                            static_cast<int>(bien * 100LL / total)};
}

}  // namespace sylvenor
