#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "species/BaseEspeces.h"

namespace sylvenor {

// One line of the browser's list.
struct EspeceListee {
  std::string nom;  // as stored, blank padding kept
  std::int16_t numero = 0;

  bool operator==(const EspeceListee&) const = default;
};

// The species that the browser lists for each choice of "Je veux voir...", in the order a
// French reader looks for them.
class ListeNavigateur {
 public:
  // The choices, in the order of their option buttons.
  static constexpr int kTous = 0;
  static constexpr int kAnimaux = 1;
  static constexpr int kVegetaux = 2;

  // Every species of the choice, sorted by name, equal names by number. A species of an
  // unknown kingdom is neither animal nor plant: only the first choice lists it. A choice
  // outside the three lists every species.
  static std::vector<EspeceListee> construire(const BaseEspeces& base, int type);

  // Whether the choice lists that species.
  static bool retenue(const FicheEspece& fiche, int type);

  // The text compared to sort names: accented letters count as their base letter ("é" as "e",
  // "œ" as "oe", "ç" as "c"), capitals as small letters, and the blank padding is left out.
  static std::string cleTri(std::string_view nom);
};

}  // namespace sylvenor
