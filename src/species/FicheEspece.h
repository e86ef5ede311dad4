#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace sylvenor {

// One species card. Texts are UTF-8 in memory and keep the blank padding they had in the file.
struct FicheEspece {
  std::string Nom;
  std::int16_t Vegetal = 0;  // 0 animal, -1 plant
  std::int16_t Groupe = 0;
  std::int16_t Repartition = 0;
  std::array<std::string, 6> Info;

  bool operator==(const FicheEspece&) const = default;
};

}  // namespace sylvenor
