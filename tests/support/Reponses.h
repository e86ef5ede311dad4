#pragma once

#include "keys/Exercice.h"
#include "species/BaseEspeces.h"

namespace sylvenor::test {

// Brings an exercise to `bien` right and `erreurs` wrong answers, one species each, as a pupil
// walking a key would.
inline void repondre(Exercice& exercice, int bien, int erreurs) {
  BaseEspeces base;
  base.ajouter(FicheEspece{});  // of group 0
  for (int i = 0; i < bien + erreurs; ++i) {
    exercice.especeSuivante(1);
    exercice.valider(base, "Groupe", i < bien ? 0 : 1, false);
  }
}

}  // namespace sylvenor::test
