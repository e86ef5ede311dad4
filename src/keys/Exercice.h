#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sylvenor {

// The exercise record of the pupil: what was presented, what was answered, and the counters.
// One exercise runs from a name entry to the next, across any number of key runs.
class Exercice {
 public:
  static constexpr int kRangMax = 100;      // species recorded in one exercise
  static constexpr int kSlotsReponse = 20;  // answers recorded for one species
  static constexpr std::size_t kTailleNom = 60;
  static constexpr std::size_t kTailleReponse = 20;

  // A new pupil: the name, blank-padded or cut to 60 characters, and every counter at 0.
  void nouvelEleve(std::string_view nom);

  // The next species of the exercise becomes `espece`: its rank is counted, and recorded when
  // it is within the tables.
  void especeSuivante(std::int16_t espece);
  // Records a validated group for the species on screen, followed by the end marker.
  void enregistrerReponse(std::string_view groupe);
  // The end of a key run: the species on screen, not classified right, is left out.
  void finDeParcours();

  // The ranks that the tables hold: 1 to this.
  int rangsEnregistres() const;
  std::int16_t especeVue(int rang) const;
  // The groups validated at a rank, in order, up to the end marker or the 20th slot.
  std::vector<std::string> chemin(int rang) const;

  std::string NomEleve;  // empty until the first name entry, then exactly 60 characters
  std::int16_t EspeceCourante = 0;
  std::int16_t RangEspece = 0;
  std::int16_t RangReponse = 1;
  int NbBien = 0;
  std::int16_t NbErreurs = 0;
  std::int16_t NbAideTotal = 0;
  std::int16_t NbAideEspece = 0;

 private:
  std::array<std::int16_t, kRangMax + 1> especesVues_{};
  // Slot 0 of each rank is never used; the slot after the last answer holds "*".
  std::array<std::array<std::string, kSlotsReponse + 1>, kRangMax + 1> reponses_{};
};

}  // namespace sylvenor
