#pragma once

#include <string>

#include "keys/Exercice.h"
#include "species/BaseEspeces.h"

namespace sylvenor {

// The texts of the recap: what the pupil reads at the end of a key run, and what a printing
// failure says.
class RecapText {
 public:
  static constexpr std::size_t kTailleNomEspece = 50;

  // The recap of the whole exercise so far, lines ended by LF: the five header lines, then one
  // line per recorded species with its name and the groups the pupil validated for it.
  static std::string composerRecap(const Exercice& exercice, const BaseEspeces& base);

  // The message of a printing step that failed with this error number; lines end with CR.
  static std::string messageImpression(int erreur);
};

}  // namespace sylvenor
