#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/Reglages.h"

namespace sylvenor {

// What the security dialog shows and saves: the password requirement, the password and the
// quit mode.
struct ReglageSecurite {
  static constexpr std::string_view kRefus =
      "Si vous choisissez d'utiliser un mot de passe, veuillez entrer des caractères dans la "
      "zone de saisie.";

  bool motDePasseRequis = false;
  std::string motDePasse;  // empty when no password is required
  std::int16_t modeLu = 0;
  // The quit option to select: none when the stored mode is not one of the three.
  std::optional<int> modeQuitter() const;

  static ReglageSecurite lire(Reglages& reglages);
  // A required password needs some characters besides blanks.
  static bool acceptable(bool requis, std::string_view motDePasse);
  // Saves the three values; with no quit option selected the mode read stays.
  // Returns whether every value reached the disk.
  bool ecrire(Reglages& reglages, bool requis, std::string_view motDePasse,
              std::optional<int> modeChoisi) const;
};

}  // namespace sylvenor
