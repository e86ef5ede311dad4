#include "app/APropos.h"

#include <array>

namespace sylvenor {

std::string APropos::texte() {
  const std::array<std::string, 9> paragraphes = {
      "Sylvenor  V1.0",
      "Un logiciel pour apprendre à classer les êtres vivants en classe de 6e.",
      "Utilisable également en 5e.",
      "Ce logiciel est gratuit. Vous pouvez le copier et l'installer dans votre établissement, "
      "à condition de ne pas le vendre et de ne pas le modifier.",
      "Pour écrire aux auteurs, passez par le site du logiciel :\n" + std::string(kAdresseWeb),
      "Les photographies appartiennent à leurs auteurs. Il est interdit de les diffuser en "
      "dehors des copies de ce logiciel.",
      "Les auteurs vous souhaitent une bonne utilisation en classe du logiciel.",
      "Si vous avez des remarques pour faire évoluer ce logiciel, n'hésitez pas à nous contacter.",
      "L'équipe de Sylvenor",
  };
  std::string texte;
  for (const std::string& paragraphe : paragraphes) {
    if (!texte.empty()) texte += '\n';
    texte += paragraphe;
  }
  return texte;
}

}  // namespace sylvenor
