#pragma once

#include <array>

#include "app/Reglages.h"

namespace sylvenor {

// The options of the pupil activities, as the teacher screen holds them.
struct OptionsEleve {
  bool impression = false;  // screen printing in the workshop
  bool tester = true;       // a classmate may try the own classification
  bool enregistrer = true;  // saving and loading the own classification
  bool choix = true;        // random species; false: the pupil types a number
  bool fiche = true;        // the information card may be shown
  bool reponse = true;      // the right answer must be found before the next card
  bool compteur = true;     // the counter window is shown
  std::array<bool, 4> utiliser{true, true, true, true};  // by distribution code

  bool operator==(const OptionsEleve&) const = default;

  static OptionsEleve lire(Reglages& reglages);
  // Writes every option, after ticking the first distribution when none is ticked (so some
  // species are always in use); `utiliser` is corrected in place.
  // Returns whether every option reached the disk.
  bool ecrire(Reglages& reglages);
};

}  // namespace sylvenor
