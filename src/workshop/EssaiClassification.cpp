#include "workshop/EssaiClassification.h"

namespace sylvenor {

EssaiClassification::EssaiClassification(const PlateauClassification& plateau)
    : plateau_(plateau) {}

bool EssaiClassification::accepter(int boite) {
  if (termine()) return false;
  const bool prevu = plateau_.boite(rang_) == boite;
  (prevu ? commePrevu_ : autrement_).push_back(rang_);
  ++rang_;
  return prevu;
}

std::string EssaiClassification::resultat(std::string_view nomEleve) const {
  std::string phrase;
  switch (commePrevu_.size()) {
    case 0:
      phrase = "Aucun animal n'a été classé comme c'était prévu par ";
      break;
    case 1:
      phrase = "Un seul animal a été classé comme c'était prévu par ";
      break;
    default:
      phrase =
          std::to_string(commePrevu_.size()) + " animaux ont été classés comme c'était prévu par ";
      break;
  }
  return phrase + "\n" + std::string(nomEleve);
}

}  // namespace sylvenor
