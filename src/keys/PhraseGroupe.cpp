#include "keys/PhraseGroupe.h"

#include <array>
#include <string_view>

#include "species/SpeciesCodes.h"

namespace sylvenor {
namespace {

// "une Angiosperme", "une Fougère"... but "un Lichen".
constexpr std::array<std::string_view, kNbGroupesVegetaux> kFinsVegetales = {
    "e Angiosperme.", "e Gymnosperme.", "e Fougère.", "e Mousse.", "e Algue.", " Lichen."};

}  // namespace

std::string PhraseGroupe::phrase(std::int16_t vegetal, std::int16_t groupe) {
  if (vegetal == kVegetal) {
    std::string sentence = "Cette plante est un";
    if (groupe >= 0 && groupe < kNbGroupesVegetaux) {
      sentence += kFinsVegetales[static_cast<std::size_t>(groupe)];
    }
    return sentence;
  }
  std::string sentence = "Cet animal est un ";
  if (const auto name = nomGroupe(kAnimal, groupe); name && vegetal == kAnimal) {
    sentence += std::string(*name) + ".";
  }
  return sentence;
}

}  // namespace sylvenor
