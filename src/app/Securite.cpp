#include "app/Securite.h"

#include <string>

namespace sylvenor {

bool Securite::motDePasseRequis(Reglages& reglages) {
  return reglages.booleen(kSectionSecurite, "Pass", false);
}

bool Securite::motDePasseAccepte(Reglages& reglages, std::string_view saisie) {
  const std::string stored = reglages.texte(kSectionSecurite, "Pswrd", "");
  return saisie == stored || saisie == kMotDePasseMaitre;
}

ActionQuitter Securite::actionQuitter(Reglages& reglages) {
  switch (reglages.entier(kSectionSecurite, "QuitMod", 0)) {
    case 0:
      return ActionQuitter::Terminer;
    case 1:
      return ActionQuitter::Eteindre;
    case 2:
      return ActionQuitter::Redemarrer;
    default:
      return ActionQuitter::Rien;
  }
}

}  // namespace sylvenor
