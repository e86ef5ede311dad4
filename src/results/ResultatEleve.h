#pragma once

#include <optional>
#include <string>

#include "platform/Clock.h"

namespace sylvenor {

// One key run of a pupil, as the teacher's results keep it: who, when, which keys, the counts
// and the recap exactly as the pupil saw it.
struct ResultatEleve {
  std::string eleve;        // the pupil's name without its padding
  DateHeure moment;         // when the run ended
  DateHeure debutExercice;  // the name entry that began the exercise the run belongs to
  std::string cles;         // the keys the run went through, "animaux, invertébrés"
  int especes = 0;
  int bien = 0;
  int erreurs = 0;
  int aide = 0;
  std::string recap;    // UTF-8
  std::string fichier;  // its file's name, once read from the folder

  // The share of right answers in whole percent; none before any answer.
  std::optional<int> pourcent() const;
};

// A moment as one number that sorts as time goes: 20261207093005.
long long ordre(const DateHeure& moment);

}  // namespace sylvenor
