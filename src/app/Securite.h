#pragma once

#include <cstdint>
#include <string_view>

#include "app/Reglages.h"

namespace sylvenor {

enum class ActionQuitter { Terminer, Eteindre, Redemarrer, Rien };

// What the start screen reads of the security options, at the moment it needs it.
class Securite {
 public:
  static constexpr std::string_view kMotDePasseMaitre = "tarve";

  static bool motDePasseRequis(Reglages& reglages);
  // The whole entry, as typed, against the stored password or the master password.
  static bool motDePasseAccepte(Reglages& reglages, std::string_view saisie);
  static ActionQuitter actionQuitter(Reglages& reglages);
};

}  // namespace sylvenor
