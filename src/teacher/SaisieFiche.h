#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "species/FicheEspece.h"

namespace sylvenor {

// What the card editor holds on screen: the texts as typed and the choices clicked.
struct SaisieFiche {
  static constexpr std::string_view kAucunNom = "Aucun nom n'est rentré";
  static constexpr std::string_view kAucunGroupe = "Aucun groupe n'a été précisé";

  std::string nom;
  bool animal = true;
  std::int16_t spyAnim = -1;  // -1: no group chosen
  std::int16_t spyVeget = -1;
  std::int16_t spyRepartition = 2;
  std::array<std::string, 6> info;

  // A new card: no name, no group, "marin", every line "?".
  static SaisieFiche vierge();
  // A stored card; a group code outside its table counts as no group chosen.
  static SaisieFiche depuis(const FicheEspece& fiche);

  // Why the card cannot be saved, if it cannot.
  std::optional<std::string_view> refus() const;
  // The card as the base file stores it: texts cut to their width and padded.
  FicheEspece fiche() const;
};

}  // namespace sylvenor
