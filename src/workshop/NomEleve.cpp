#include "workshop/NomEleve.h"

#include "species/Blancs.h"

namespace sylvenor {
NomEleve::Saisie NomEleve::valider(std::string_view texte) {
  const std::string_view nom = Blancs::aDroite(texte);
  if (nom == kInvite || nom.empty()) return {Verdict::Vide, {}};
  if (texte.find_first_of(kCaracteresRefuses) != std::string_view::npos) {
    return {Verdict::Refuse, {}};
  }
  return {Verdict::Accepte, std::string(nom)};
}

std::string NomEleve::nomPropose(std::string_view nomStocke) {
  return std::string(Blancs::autour(nomStocke));
}

}  // namespace sylvenor
