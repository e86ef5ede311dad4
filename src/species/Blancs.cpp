#include "species/Blancs.h"

namespace sylvenor {

std::string_view Blancs::autour(std::string_view texte) {
  const std::string_view droite = aDroite(texte);
  const auto debut = droite.find_first_not_of(' ');
  return debut == std::string_view::npos ? std::string_view() : droite.substr(debut);
}

std::string_view Blancs::aDroite(std::string_view texte) {
  const auto fin = texte.find_last_not_of(' ');
  return fin == std::string_view::npos ? std::string_view() : texte.substr(0, fin + 1);
}

}  // namespace sylvenor
