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

void OptionsEleve::ecrire(Reglages& reglages) {
  const auto section = kSectionParametres;
  reglages.ecrireBooleen(section, "Impression", impression);
  reglages.ecrireBooleen(section, "Tester", tester);
  reglages.ecrireBooleen(section, "Choix", choix);
  reglages.ecrireBooleen(section, "Fiche", fiche);
  reglages.ecrireBooleen(section, "Enregistrer", enregistrer);
  if (std::none_of(utiliser.begin(), utiliser.end(), [](bool used) { return used; })) {
    utiliser[0] = true;
  }
  for (std::size_t k = 0; k < utiliser.size(); ++k) {
    reglages.ecrireEntier(section, cleUtiliser(k), utiliser[k] ? 1 : 0);
  }
  reglages.ecrireBooleen(section, "Reponse", reponse);
  reglages.ecrireBooleen(section, "Compteur", compteur);
}

}  // namespace sylvenor
