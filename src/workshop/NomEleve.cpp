#include "workshop/NomEleve.h"

namespace sylvenor {
namespace {

constexpr char kBlanc = ' ';

std::string_view sansBlancsFinaux(std::string_view texte) {
  const auto fin = texte.find_last_not_of(kBlanc);
  return fin == std::string_view::npos ? std::string_view() : texte.substr(0, fin + 1);
}

}  // namespace

NomEleve::Saisie NomEleve::valider(std::string_view texte) {
  const std::string_view nom = sansBlancsFinaux(texte);
  if (nom == kInvite || nom.empty()) return {Verdict::Vide, {}};
  if (texte.find_first_of(kCaracteresRefuses) != std::string_view::npos) {
    return {Verdict::Refuse, {}};
  }
  return {Verdict::Accepte, std::string(nom)};
}

std::string NomEleve::nomPropose(std::string_view nomStocke) {
  const std::string_view nom = sansBlancsFinaux(nomStocke);
  const auto debut = nom.find_first_not_of(kBlanc);
  return debut == std::string_view::npos ? std::string() : std::string(nom.substr(debut));
}

}  // namespace sylvenor
