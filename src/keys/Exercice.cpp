#include "keys/Exercice.h"

#include <algorithm>

#include "species/Cp1252.h"

namespace sylvenor {
namespace {

// Pads or cuts to a width in characters as the files count them (Windows-1252 bytes).
std::string fixedWidth(std::string_view text, std::size_t width) {
  return Cp1252::decode(Cp1252::encodeField(text, width));
}

bool recorded(int rang) { return rang >= 1 && rang <= Exercice::kRangMax; }

}  // namespace

void Exercice::nouvelEleve(std::string_view nom) {
  NomEleve = fixedWidth(nom, kTailleNom);
  NbAideTotal = 0;
  RangEspece = 0;
  NbBien = 0;
  NbErreurs = 0;
}

void Exercice::especeSuivante(std::int16_t espece) {
  EspeceCourante = espece;
  NbAideEspece = 0;
  RangReponse = 1;
  if (RangEspece < INT16_MAX) ++RangEspece;
  if (recorded(RangEspece)) {
    especesVues_[static_cast<std::size_t>(RangEspece)] = espece;
    reponses_[static_cast<std::size_t>(RangEspece)][1] = "*";
  }
}

void Exercice::enregistrerReponse(std::string_view groupe) {
  if (recorded(RangEspece)) {
    auto& slots = reponses_[static_cast<std::size_t>(RangEspece)];
    slots[static_cast<std::size_t>(RangReponse)] = fixedWidth(groupe, kTailleReponse);
    // Once the 20 slots are full the last one keeps being replaced, and no marker follows.
    if (RangReponse < kSlotsReponse) slots[static_cast<std::size_t>(RangReponse) + 1] = "*";
  }
  RangReponse = static_cast<std::int16_t>(std::min(RangReponse + 1, kSlotsReponse));
}

void Exercice::finDeParcours() {
  if (RangEspece > 0) --RangEspece;
}

int Exercice::rangsEnregistres() const { return std::clamp<int>(RangEspece, 0, kRangMax); }

std::int16_t Exercice::especeVue(int rang) const {
  return recorded(rang) ? especesVues_[static_cast<std::size_t>(rang)] : 0;
}

std::vector<std::string> Exercice::chemin(int rang) const {
  std::vector<std::string> groups;
  if (!recorded(rang)) return groups;
  const auto& slots = reponses_[static_cast<std::size_t>(rang)];
  for (int slot = 1; slot <= kSlotsReponse; ++slot) {
    const std::string& entry = slots[static_cast<std::size_t>(slot)];
    if (entry.empty() || entry.front() == '*') break;
    groups.push_back(entry);
  }
  return groups;
}

}  // namespace sylvenor
