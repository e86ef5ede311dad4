#include "species/SpeciesCodes.h"

#include <array>

namespace sylvenor {
namespace {

constexpr std::array<std::string_view, kNbGroupesAnimaux> kAnimaux = {
    "Mammifère", "Oiseau",    "Reptile",   "Amphibien", "Poisson",  "Crustacé",   "Cnidaire",
    "Insecte",   "Myriapode", "Arachnide", "Mollusque", "Annélide", "Echinoderme"};
constexpr std::array<std::string_view, kNbGroupesVegetaux> kVegetaux = {
    "Angiosperme", "Gymnosperme", "Fougère", "mousse", "Algue", "Lichen"};
constexpr std::array<std::string_view, kNbRepartitions> kRepartitions = {
    "large répartition", "montagnard", "marin", "méditéranéen"};
constexpr std::array<std::string_view, kNbRepartitions> kFiltres = {
    "à large répartition", "montagnardes", "marines", "méditerranéennes"};

template <std::size_t N>
std::optional<std::string_view> caption(const std::array<std::string_view, N>& table,
                                        std::int16_t code) {
  if (code < 0 || static_cast<std::size_t>(code) >= N) return std::nullopt;
  return table[static_cast<std::size_t>(code)];
}

}  // namespace

std::optional<std::string_view> nomGroupe(std::int16_t vegetal, std::int16_t groupe) {
  if (vegetal == kAnimal) return caption(kAnimaux, groupe);
  if (vegetal == kVegetal) return caption(kVegetaux, groupe);
  return std::nullopt;
}

std::optional<std::string_view> nomRepartition(std::int16_t repartition) {
  return caption(kRepartitions, repartition);
}

std::optional<std::string_view> nomFiltreRepartition(std::int16_t repartition) {
  return caption(kFiltres, repartition);
}

}  // namespace sylvenor
