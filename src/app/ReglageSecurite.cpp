#include "app/ReglageSecurite.h"

#include "species/Blancs.h"

namespace sylvenor {

std::optional<int> ReglageSecurite::modeQuitter() const {
  if (modeLu < 0 || modeLu > 2) return std::nullopt;
  return modeLu;
}

ReglageSecurite ReglageSecurite::lire(Reglages& reglages) {
  ReglageSecurite reglage;
  reglage.motDePasseRequis = reglages.entier(kSectionSecurite, "Pass", 0) != 0;
  if (reglage.motDePasseRequis) reglage.motDePasse = reglages.texte(kSectionSecurite, "Pswrd", "");
  reglage.modeLu = reglages.entier(kSectionSecurite, "QuitMod", 0);
  return reglage;
}

bool ReglageSecurite::acceptable(bool requis, std::string_view motDePasse) {
  return !requis || !Blancs::autour(motDePasse).empty();
}

bool ReglageSecurite::ecrire(Reglages& reglages, bool requis, std::string_view motDePasse,
                             std::optional<int> modeChoisi) const {
  bool ecrit = reglages.ecrireEntier(kSectionSecurite, "Pass", requis ? 1 : 0);
  ecrit = reglages.ecrireTexte(kSectionSecurite, "Pswrd", Blancs::autour(motDePasse)) && ecrit;
  return reglages.ecrireEntier(kSectionSecurite, "QuitMod",
                               modeChoisi ? static_cast<std::int16_t>(*modeChoisi) : modeLu) &&
         ecrit;
}

}  // namespace sylvenor
