#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sylvenor {

inline constexpr std::int16_t kAnimal = 0;
inline constexpr std::int16_t kVegetal = -1;

// Captions of the codes stored on a card. A code outside its table is kept on the card as it
// was stored, but has no caption: callers never use it as an index.
std::optional<std::string_view> nomGroupe(std::int16_t vegetal, std::int16_t groupe);
std::optional<std::string_view> nomRepartition(std::int16_t repartition);
// Caption of the matching species filter of the teacher's options ("montagnardes"...).
std::optional<std::string_view> nomFiltreRepartition(std::int16_t repartition);

inline constexpr int kNbGroupesAnimaux = 13;
inline constexpr int kNbGroupesVegetaux = 6;
inline constexpr int kNbRepartitions = 4;

}  // namespace sylvenor
