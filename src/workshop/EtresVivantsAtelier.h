#pragma once

#include <array>
#include <string>
#include <string_view>

namespace sylvenor {

// The four living things that a pupil classifies with their own key. They belong to the
// workshop, not to the species base.
struct EtreVivantAtelier {
  std::string_view image;  // picture name in the picture store
  std::string_view nom;
  std::array<std::string_view, 8> description;

  // The description as the help panel shows it, one item a line.
  std::string lignes() const {
    std::string texte;
    for (const std::string_view ligne : description) {
      if (!texte.empty()) texte += '\n';
      texte += ligne;
    }
    return texte;
  }
};

inline constexpr std::array<EtreVivantAtelier, 4> kEtresVivantsAtelier = {{
    {"Gardon",
     "Gardon",
     {"ESPECE: Gardon", "Milieu de vie: aquatique", "Nourriture: larves d'insectes",
      "Vertèbres: oui", "Mode de déplacement: nage", "Respiration: branchies",
      "Peau: avec écailles", "Membres: nageoires"}},
    {"Corbeau",
     "Corbeau",
     {"ESPECE: Corbeau", "Milieu de vie: terrestre", "Nourriture: insectes, fruits, ...",
      "Vertèbres: oui", "Mode de déplacement: vol", "Respiration: poumons", "Peau: avec plumes",
      "Membres: 2 pattes et 2 ailes"}},
    {"Rainette",
     "Rainette verte",
     {"ESPECE: Rainette verte", "Milieu de vie: surtout terrestre", "Nourriture: insectes",
      "Vertèbres: oui", "Déplacement: nage/marche/saut", "Respiration: poumons", "Peau: nue",
      "Membres: 4 pattes"}},
    {"Lapin",
     "Lapin",
     {"ESPECE: Lapin", "Milieu de vie: terrestre", "Nourriture: végétaux", "Vertèbres: oui",
      "Déplacement: marche/saut", "Respiration: poumons", "Peau: avec poils", "Membres: 4 pattes"}},
}};

}  // namespace sylvenor
