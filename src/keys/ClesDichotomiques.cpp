#include "keys/ClesDichotomiques.h"

#include <array>

namespace sylvenor {
namespace {

constexpr int kLigne = 600;  // twips between two answers of a column
constexpr int kPremiereLigne = 2040;

int rangee(int i) { return kPremiereLigne + i * kLigne; }

// The two halves of a line drawn as two segments ("a" and "b").
std::vector<LigneCle> deuxSegments(const std::string& nom, int x1, int x2, int y) {
  const int milieu = (x1 + x2) / 2;
  return {{nom + "a", x1, y, milieu, y}, {nom + "b", milieu, y, x2, y}};
}

NoeudCle critereColonne() {
  NoeudCle noeud;
  noeud.textes = {{"Text1",
                   " Critère n°1:           L'animal possède-t- il une colonne vertébrale ?",
                   {240, 1140, 2520, 900}}};
  ReponseCle oui{"Btn01", "", ImageReponse::Oui, {720, 2220, 780, 780}, 0, {1560, 2400, 300, 420}};
  oui.noeud = 1;
  ReponseCle non{"Btn02", "", ImageReponse::Non, {720, 3300, 780, 780}};
  non.noeud = 2;
  noeud.reponses = {oui, non};
  return noeud;
}

NoeudCle critereVertebre() {
  static const std::array<const char*, 5> kPeaux = {
      "de poils", "de plumes", "peau nue", "des écailles soudées", "des écailles non soudées"};
  NoeudCle noeud;
  noeud.textes = {{"Text01b", "C'est un Vertébré.", {3120, 1080, 2700, 300}},
                  {"Text01",
                   "  Critère n°2               De quoi est recouverte la peau de l'animal ?",
                   {3120, 1380, 2700, 600}}};
  noeud.lignes = {{"Line1", 1500, 2610, 3120, 1680}};
  for (int i = 0; i < 5; ++i) {
    ReponseCle reponse{"Btn01" + std::to_string(i + 1),
                       kPeaux[static_cast<std::size_t>(i)],
                       ImageReponse::Aucune,
                       {3120, rangee(i), 2400, 480},
                       i + 2,
                       {5580, rangee(i) + 30, 300, 420}};
    reponse.feuille = i;
    noeud.reponses.push_back(reponse);
  }
  return noeud;
}

NoeudCle critereInvertebre() {
  NoeudCle noeud;
  noeud.textes = {{"Text02", "C'est un Invertébré.", {3120, 5040, 2700, 300}}};
  noeud.lignes = {{"Line2", 1500, 3690, 3120, 5190}};
  ReponseCle continuer{
      "Btn021", "Clique ici pour continuer...", ImageReponse::Aucune, {3120, 5340, 2700, 480}};
  continuer.passage = true;
  noeud.reponses = {continuer};
  return noeud;
}

FeuilleCle feuille(int i, const char* nom, const char* texte, std::vector<LigneCle> lignes,
                   const char* groupe, std::int16_t code) {
  const std::string suffixe = "01" + std::to_string(i + 1);
  return {{nom, texte, {6300, rangee(i), 2700, 540}},
          std::move(lignes),
          "BtnOK" + suffixe,
          {9300, rangee(i) - 30, 600, 600},
          groupe,
          code};
}

DefinitionCle construireAnimal() {
  const int x1 = 5940;
  const int x2 = 6300;
  const auto milieu = [](int i) { return rangee(i) + 240; };
  DefinitionCle cle;
  cle.noeuds = {critereColonne(), critereVertebre(), critereInvertebre()};
  cle.feuilles = {feuille(0, "Text011", "c'est un Mammifère",
                          deuxSegments("Line3", x1, x2, milieu(0)), "Mammifère", 0),
                  feuille(1, "Text012", "  c'est un  Oiseau",
                          deuxSegments("Line4", x1, x2, milieu(1)), "Oiseau", 1),
                  feuille(2, "Text013", "c'est un Amphibien",
                          {{"Line5", x1, milieu(2), x2, milieu(2)}}, "Amphibien", 3),
                  feuille(3, "Text014", "   c'est un   Reptile",
                          deuxSegments("Line6", x1, x2, milieu(3)), "Reptile", 2),
                  feuille(4, "Text015", "   c'est un   Poisson",
                          deuxSegments("Line7", x1, x2, milieu(4)), "Poisson", 4)};
  return cle;
}

}  // namespace

const DefinitionCle& ClesDichotomiques::animal() {
  static const DefinitionCle cle = construireAnimal();
  return cle;
}

}  // namespace sylvenor
