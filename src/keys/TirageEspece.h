#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "species/BaseEspeces.h"

namespace sylvenor {

// The choice of the species that a key presents.
class TirageEspece {
 public:
  // A species of the key's kingdom, drawn uniformly among those whose distribution is in use;
  // none when no species qualifies. The draw keeps no memory: the last species may come again.
  static std::optional<std::int16_t> AuHasard(const BaseEspeces& base, std::int16_t vegetal,
                                              const std::array<bool, 4>& utiliser,
                                              std::mt19937& hasard);
  // The species of that kingdom whose distribution is in use, in base order.
  static std::vector<std::int16_t> candidats(const BaseEspeces& base, std::int16_t vegetal,
                                             const std::array<bool, 4>& utiliser);
  // Whether the base holds at least one species of that kingdom.
  static bool contientGenre(const BaseEspeces& base, std::int16_t vegetal);
};

}  // namespace sylvenor
