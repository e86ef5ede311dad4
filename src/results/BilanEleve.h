#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "results/ResultatEleve.h"

namespace sylvenor {

class BaseEspeces;

// What one pupil's results say to explain next lesson: the species most often classified
// wrongly, and which group was taken for which, read from the recorded answer paths.
struct BilanEleve {
  struct EspeceRatee {
    std::string nom;
    int fois = 0;
  };
  struct Confusion {
    std::string juste;   // the species' group
    std::string choisi;  // the group validated instead
    int fois = 0;
  };
  static constexpr std::size_t kNbMax = 5;

  std::vector<EspeceRatee> especes;   // most often first
  std::vector<Confusion> confusions;  // most often first

  // Each exercise counts once, by its last recap (a recap repeats the runs before it). A
  // species no longer in the base is left out: its group is not known any more.
  static BilanEleve etablir(const std::vector<ResultatEleve>& resultats, std::string_view eleve,
                            const BaseEspeces& base);
  std::string texte() const;
};

}  // namespace sylvenor
