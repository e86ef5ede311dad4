#pragma once

#include <array>
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

// The six information lines of a card: as the keys and the browser head them ("MILIEU DE VIE: "),
// and as the card editor labels them ("Milieu de vie:"), for an animal and for a plant.
using RubriquesFiche = std::array<std::string_view, 6>;
inline constexpr RubriquesFiche kRubriquesAnimal = {
    "MILIEU DE VIE: ", "NOURRITURE: ", "VERTEBRES: ",
    "DEPLACEMENT: ",   "MEMBRES: ",    "RESPIRATION: "};
inline constexpr RubriquesFiche kRubriquesVegetal = {
    "FLEURS: ", "GRAINES: ", "FRUITS: ", "RACINES: ", "LIEU DE VIE: ", "Autres infos: "};
inline constexpr RubriquesFiche kLibellesAnimal = {
    "Milieu de vie:", "Nourriture:", "Vertébres:", "Déplacement:", "Membres:", "Respiration:"};
inline constexpr RubriquesFiche kLibellesVegetal = {
    "Fleurs:", "Graines:", "Fruits:", "Racines:", "Lieu de vie:", "Autre info:"};
inline const RubriquesFiche& rubriques(std::int16_t vegetal) {
  return vegetal == kVegetal ? kRubriquesVegetal : kRubriquesAnimal;
}
inline const RubriquesFiche& libelles(std::int16_t vegetal) {
  return vegetal == kVegetal ? kLibellesVegetal : kLibellesAnimal;
}

inline constexpr int kNbGroupesAnimaux = 13;
inline constexpr int kNbGroupesVegetaux = 6;
inline constexpr int kNbRepartitions = 4;

}  // namespace sylvenor
