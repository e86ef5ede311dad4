#include "teacher/OptionsEleve.h"

#include <algorithm>
#include <string>

namespace sylvenor {
namespace {

std::string cleUtiliser(std::size_t k) { return "Utiliser_" + std::to_string(k); }

}  // namespace

OptionsEleve OptionsEleve::lire(Reglages& reglages) {
  const auto section = kSectionParametres;
  OptionsEleve options;
  options.impression = reglages.booleen(section, "Impression", false);
  options.tester = reglages.booleen(section, "Tester", true);
  options.choix = reglages.booleen(section, "Choix", true);
  options.fiche = reglages.booleen(section, "Fiche", true);
  options.enregistrer = reglages.booleen(section, "Enregistrer", true);
  for (std::size_t k = 0; k < options.utiliser.size(); ++k) {
    options.utiliser[k] = reglages.entier(section, cleUtiliser(k), 1) != 0;
  }
  options.reponse = reglages.booleen(section, "Reponse", true);
  options.compteur = reglages.booleen(section, "Compteur", true);
  return options;
}

bool OptionsEleve::ecrire(Reglages& reglages) {
  const auto section = kSectionParametres;
  bool ecrit = reglages.ecrireBooleen(section, "Impression", impression);
  ecrit = reglages.ecrireBooleen(section, "Tester", tester) && ecrit;
  ecrit = reglages.ecrireBooleen(section, "Choix", choix) && ecrit;
  ecrit = reglages.ecrireBooleen(section, "Fiche", fiche) && ecrit;
  ecrit = reglages.ecrireBooleen(section, "Enregistrer", enregistrer) && ecrit;
  if (std::none_of(utiliser.begin(), utiliser.end(), [](bool used) { return used; })) {
    utiliser[0] = true;
  }
  for (std::size_t k = 0; k < utiliser.size(); ++k) {
    ecrit = reglages.ecrireEntier(section, cleUtiliser(k), utiliser[k] ? 1 : 0) && ecrit;
  }
  ecrit = reglages.ecrireBooleen(section, "Reponse", reponse) && ecrit;
  return reglages.ecrireBooleen(section, "Compteur", compteur) && ecrit;
}

}  // namespace sylvenor
