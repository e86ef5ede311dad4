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

// A yes or no picture answer with its help label just to its right.
ReponseCle image(const std::string& nom, ImageReponse image, int left, int top, int aide,
                 int suivant, bool feuille) {
  ReponseCle reponse{nom, "", image, {left, top, 600, 600}};
  if (aide >= 0) {
    reponse.aide = aide;
    reponse.rectAide = {left + 630, top + 90, 300, 420};
  }
  (feuille ? reponse.feuille : reponse.noeud) = suivant;
  return reponse;
}

ReponseCle texte(const std::string& nom, const std::string& legende, RectTwips rect, int aide,
                 int suivant, bool feuille) {
  ReponseCle reponse{nom,  legende, ImageReponse::Aucune,
                     rect, aide,    {rect.left + rect.width + 30, rect.top, 300, 420}};
  (feuille ? reponse.feuille : reponse.noeud) = suivant;
  return reponse;
}

// The leaves of the invertebrate and plant keys stand in one column at the right.
constexpr int kColonneFeuilles = 7800;

FeuilleCle feuilleColonne(const std::string& suffixe, const std::string& texte, int top,
                          const std::string& ligne, int departX, int departY,
                          const std::string& groupe, std::int16_t code) {
  return {{"Text" + suffixe, texte, {kColonneFeuilles, top, 1920, 540}},
          {{ligne, departX, departY, kColonneFeuilles, top + 270}},
          "BtnOK" + suffixe,
          {9840, top, 540, 540},
          groupe,
          code};
}

DefinitionCle construireInvertebre() {
  const auto oui = ImageReponse::Oui;
  const auto non = ImageReponse::Non;
  DefinitionCle cle;
  cle.entete = {{"Label3", "C'est un Invertébré.", {240, 1080, 2400, 300}}};
  NoeudCle pattes0;
  pattes0.textes = {{"Text1",
                     " Critère n°2:           l'animal possède- t-il  des pattes articulées ?",
                     {240, 1440, 2400, 900}}};
  pattes0.reponses = {image("Btn01", oui, 720, 2520, 0, 1, false),
                      image("Btn02", non, 720, 3480, -1, 2, false)};
  NoeudCle pattes;
  pattes.textes = {{"Text01b", "c'est un Arthropode.", {2880, 1080, 2280, 300}},
                   {"Text01",
                    "                                        Critère n°3:     Nombre de paires de "
                    "pattes de l'animal ?",
                    {2880, 1380, 2280, 720}}};
  pattes.lignes = {{"Line1", 1320, 2820, 2880, 1740}};
  pattes.reponses = {texte("Btn011", "5 ou plus", {2880, 2160, 1500, 420}, 2, 3, false),
                     texte("Btn012", "4", {2880, 2640, 1500, 420}, 3, 2, true),
                     texte("Btn013", "3", {2880, 3120, 1500, 420}, 4, 3, true)};
  NoeudCle symetrie;
  symetrie.textes = {{"Text02",
                      "                                        Critère n°3:                 "
                      "L'animal possède une gauche et une droite  (= symétrie bilatérale)",
                      {2880, 3660, 2280, 900}}};
  symetrie.lignes = {{"Line2", 1320, 3780, 2880, 4110}};
  symetrie.reponses = {image("Btn021", oui, 2880, 4620, 5, 4, false),
                       image("Btn022", non, 3960, 4620, 12, 5, false)};
  NoeudCle antennes;
  antennes.textes = {
      {"Text011", " Critère n°4: Nombre de paires d'antennes", {5280, 1080, 2280, 720}}};
  antennes.lignes = {{"Line3", 4380, 2370, 5280, 1440}};
  antennes.reponses = {texte("Btn0111", "1", {5280, 1860, 720, 420}, 6, 0, true),
                       texte("Btn0112", "2", {6420, 1860, 720, 420}, 7, 1, true)};
  NoeudCle coquille;
  coquille.textes = {
      {"Text021",
       " Critère n°4:             Le corps mou possède une coquille (elle peut être interne !)",
       {5280, 2460, 2280, 900}}};
  coquille.lignes = {{"Line5", 3180, 4620, 5280, 2910}};
  coquille.reponses = {image("Btn0211", oui, 5280, 3420, 8, 4, true),
                       image("Btn0212", non, 6420, 3420, 9, 5, true)};
  NoeudCle plaques;
  plaques.textes = {{"Text022",
                     " Critère n°4: L'animal est recou- vert de plaques calcaires et possède "
                     "souvent des piquants",
                     {5280, 4080, 2280, 1020}}};
  plaques.lignes = {{"Line6", 4260, 4920, 5280, 4590}};
  plaques.reponses = {image("Btn0221", oui, 5280, 5160, 10, 6, true),
                      image("Btn0222", non, 6420, 5160, 11, 7, true)};
  cle.noeuds = {pattes0, pattes, symetrie, antennes, coquille, plaques};
  cle.feuilles = {
      feuilleColonne("0111", "c'est un Myriapode", 1080, "Line8", 6000, 2070, "Myriapode", 8),
      feuilleColonne("0112", "c'est un Crustacé", 1680, "Line9", 7140, 2070, "Crustacé", 5),
      feuilleColonne("012", "c'est un Arachnide", 2280, "Line7", 4380, 2850, "Arachnide", 9),
      feuilleColonne("013", "  c'est un   Insecte", 2880, "Line4", 4380, 3330, "Insecte", 7),
      feuilleColonne("0211", "c'est un Mollusque", 3480, "Line10", 5880, 3720, "Mollusque", 10),
      feuilleColonne("0212", "c'est un Annélide", 4080, "Line11", 7020, 3720, "Annélide", 11),
      feuilleColonne("0221", "c'est un Echinoderme", 4680, "Line12", 5880, 5460, "Echinoderme", 12),
      feuilleColonne("0222", "  c'est un   Cnidaire", 5280, "Line13", 7020, 5460, "Cnidaire", 6)};
  return cle;
}

DefinitionCle construireVegetal() {
  const auto oui = ImageReponse::Oui;
  const auto non = ImageReponse::Non;
  DefinitionCle cle;
  NoeudCle fleurs;
  fleurs.textes = {
      {"Text1",
       " Critère n°1:                                La plante possède-t- elle des fleurs ou des "
       "graines ?",
       {240, 1200, 2400, 1080}}};
  fleurs.reponses = {image("Btn01", oui, 720, 2520, 0, 1, false),
                     image("Btn02", non, 720, 3480, 1, 2, false)};
  NoeudCle fruit;
  fruit.textes = {{"Text01",
                   "Critère n°2:                       La plante a-t-elle   des graines "
                   "enfermées dans un fruit ?",
                   {2880, 1080, 2400, 900}}};
  fruit.lignes = {{"Line1", 1320, 2820, 2880, 1530}};
  fruit.reponses = {image("Btn012", oui, 2880, 2040, 2, 0, true),
                    image("Btn013", non, 4020, 2040, 3, 1, true)};
  NoeudCle tiges;
  tiges.textes = {{"Text02",
                   "Critère n°2: La plante possède-t- elle des tiges et des feuilles ?",
                   {2880, 3000, 2400, 900}}};
  tiges.lignes = {{"Line2", 1320, 3780, 2880, 3450}};
  tiges.reponses = {image("Btn021", oui, 2880, 3960, 4, 3, false),
                    image("Btn022", non, 4020, 3960, 5, 4, false)};
  NoeudCle racines;
  racines.textes = {
      {"Text021", "Critère n°3: La plante possède-t-elle des racines ?", {5400, 2880, 2280, 720}}};
  racines.lignes = {{"Line5", 3180, 4560, 5400, 3240}};
  racines.reponses = {image("Btn0211", oui, 5400, 3660, 6, 2, true),
                      image("Btn0212", non, 6540, 3660, 7, 3, true)};
  NoeudCle eau;
  eau.textes = {
      {"Text022", " Critère n°3: La plante est-elle aquatique ?", {5400, 4440, 2280, 600}}};
  eau.lignes = {{"Line6", 4320, 4560, 5400, 4740}};
  eau.reponses = {image("Btn0221", oui, 5400, 5100, 8, 4, true),
                  image("Btn0222", non, 6540, 5100, 9, 5, true)};
  cle.noeuds = {fleurs, fruit, tiges, racines, eau};
  cle.feuilles = {
      feuilleColonne("012", "c'est un Angiosperme", 1080, "Line7", 3180, 2640, "Angiosperme", 0),
      feuilleColonne("013", "  c'est un   Gymnosperme", 1800, "Line4", 4320, 2640, "Gymnosperme",
                     1),
      feuilleColonne("0211", "c'est une Fougère", 2880, "Line10", 6000, 3960, "Fougère", 2),
      feuilleColonne("0212", "c'est une Mousse", 3480, "Line11", 7140, 3960, "Mousse", 3),
      feuilleColonne("0221", "  c'est une  Algue", 4440, "Line8", 6000, 5400, "Algue", 4),
      feuilleColonne("0222", "   c'est un   Lichen", 5040, "Line9", 7140, 5400, "Lichen", 5)};
  cle.feuilles[4].avertit = true;
  cle.feuilles[5].avertit = true;
  cle.avertissements = {{"LblAttention",
                         "Attention: certaines algues ne sont pas aquatiques !",
                         {5400, 5700, 6300, 240}}};
  return cle;
}

}  // namespace

const DefinitionCle& ClesDichotomiques::invertebre() {
  static const DefinitionCle cle = construireInvertebre();
  return cle;
}

const DefinitionCle& ClesDichotomiques::vegetal() {
  static const DefinitionCle cle = construireVegetal();
  return cle;
}

const DefinitionCle& ClesDichotomiques::animal() {
  static const DefinitionCle cle = construireAnimal();
  return cle;
}

}  // namespace sylvenor
