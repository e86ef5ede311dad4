#include "keys/RecapText.h"

#include "species/Cp1252.h"

namespace sylvenor {
namespace {

// The name field as the base file holds it, so that every path starts at the same column even
// for a card whose name lost its padding, or a species number the base does not hold.
std::string nomEspece(const BaseEspeces& base, int espece) {
  const bool connue = espece >= 1 && espece <= base.NbFiches();
  const std::string nom = connue ? base.fiche(espece).Nom : std::string();
  return Cp1252::decode(Cp1252::encodeField(nom, RecapText::kTailleNomEspece));
}

std::string ligneEspece(const Exercice& exercice, const BaseEspeces& base, int rang) {
  const int espece = exercice.especeVue(rang);
  std::string ligne = "N°" + std::to_string(espece) + "- " + nomEspece(base, espece);
  for (const std::string& groupe : exercice.chemin(rang)) ligne += "   > " + groupe;
  return ligne + '\n';
}

}  // namespace

std::string RecapText::composerRecap(const Exercice& exercice, const BaseEspeces& base) {
  std::string texte = "Récapitulatif pour " + exercice.nomEleve() + "\n\n";
  texte += "Aide utilisée " + std::to_string(exercice.nbAideTotal()) + " fois\n";
  texte += "Nombre d'espèces à classer: " + std::to_string(exercice.rangEspece()) + '\n';
  texte += "Nombre d'espèces bien classées: " + std::to_string(exercice.nbBien()) + '\n';
  texte += "Nombre d'erreurs: " + std::to_string(exercice.nbErreurs()) + "\n\n";
  // Only the ranks the tables hold: an exercise of more than 100 species lists the first 100.
  for (int rang = 1; rang <= exercice.rangsEnregistres(); ++rang) {
    texte += ligneEspece(exercice, base, rang);
  }
  return texte;
}

std::string RecapText::messageImpression(int erreur) {
  // A number that is not negative takes a blank where the sign would be.
  const std::string numero = (erreur >= 0 ? " " : "") + std::to_string(erreur);
  return "Impression impossible\r Erreur n° " + numero +
         "\r\rVérifier la mise sous tension, les cables, les drivers,...";
}

}  // namespace sylvenor
