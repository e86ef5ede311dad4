#include "results/BilanEleve.h"

#include <algorithm>
#include <map>
#include <optional>

#include "keys/ProfilCle.h"
#include "species/BaseEspeces.h"
#include "species/Blancs.h"

namespace sylvenor {
namespace {

constexpr std::string_view kFleche = "   > ";

struct LigneRecap {
  std::string nom;
  std::vector<std::string> chemin;
};

// "N°12- Renard roux ...   > Oiseau ...   > Mammifère ..." as the name and the path.
std::optional<LigneRecap> lireLigne(std::string_view ligne) {
  if (ligne.rfind("N°", 0) != 0) return std::nullopt;
  const std::size_t tiret = ligne.find("- ");
  if (tiret == std::string_view::npos) return std::nullopt;
  std::vector<std::string> morceaux;
  std::string_view reste = ligne.substr(tiret + 2);
  for (std::size_t fleche; (fleche = reste.find(kFleche)) != std::string_view::npos;) {
    morceaux.emplace_back(Blancs::autour(reste.substr(0, fleche)));
    reste = reste.substr(fleche + kFleche.size());
  }
  morceaux.emplace_back(Blancs::autour(reste));
  return LigneRecap{morceaux.front(), {morceaux.begin() + 1, morceaux.end()}};
}

// The leaves of the keys of the species' kingdom: the invertebrates' key goes on the animals'.
std::vector<const FeuilleCle*> feuilles(std::int16_t vegetal) {
  std::vector<const FeuilleCle*> toutes;
  for (const ProfilCle* profil :
       {&ProfilCle::animaux(), &ProfilCle::invertebres(), &ProfilCle::vegetaux()}) {
    if (profil->vegetal != vegetal) continue;
    for (const FeuilleCle& feuille : profil->definition->feuilles) toutes.push_back(&feuille);
  }
  return toutes;
}

// The group a key's leaf of that name records.
std::optional<std::int16_t> codeGroupe(std::string_view nom, std::int16_t vegetal) {
  for (const FeuilleCle* feuille : feuilles(vegetal)) {
    if (feuille->groupe == nom) return feuille->code;
  }
  return std::nullopt;
}

// The group's name as the keys write it, "Mousse" rather than the card's "mousse".
std::string nomDuGroupe(std::int16_t vegetal, std::int16_t code) {
  for (const FeuilleCle* feuille : feuilles(vegetal)) {
    if (feuille->code == code) return feuille->groupe;
  }
  return std::string(nomGroupe(vegetal, code).value_or("?"));
}

std::vector<std::string_view> lignes(std::string_view texte) {
  std::vector<std::string_view> toutes;
  for (std::size_t debut = 0; debut < texte.size();) {
    const std::size_t fin = std::min(texte.find('\n', debut), texte.size());
    toutes.push_back(texte.substr(debut, fin - debut));
    debut = fin + 1;
  }
  return toutes;
}

// The cards by name, as the recaps write them: looked up once for every line of every recap.
std::map<std::string_view, const FicheEspece*> parNom(const BaseEspeces& base) {
  std::map<std::string_view, const FicheEspece*> fiches;
  for (int k = 1; k <= base.NbFiches(); ++k) {
    const FicheEspece& fiche = base.fiche(static_cast<std::int16_t>(k));
    fiches.emplace(Blancs::autour(fiche.Nom), &fiche);
  }
  return fiches;
}

// The last recap of each exercise of the pupil.
std::vector<const ResultatEleve*> derniersRecaps(const std::vector<ResultatEleve>& resultats,
                                                 std::string_view eleve) {
  std::map<long long, const ResultatEleve*> parExercice;
  for (const ResultatEleve& r : resultats) {
    if (r.eleve != eleve) continue;
    const ResultatEleve*& dernier = parExercice[ordre(r.debutExercice)];
    if (dernier == nullptr || ordre(r.moment) > ordre(dernier->moment)) dernier = &r;
  }
  std::vector<const ResultatEleve*> choisis;
  for (const auto& [debut, r] : parExercice) choisis.push_back(r);
  return choisis;
}

template <typename T>
void garderLesPremiers(std::vector<T>& liste) {
  std::stable_sort(liste.begin(), liste.end(),
                   [](const T& a, const T& b) { return a.fois > b.fois; });
  if (liste.size() > BilanEleve::kNbMax) liste.resize(BilanEleve::kNbMax);
}

std::string fois(int n) { return " (" + std::to_string(n) + " fois)"; }

}  // namespace

BilanEleve BilanEleve::etablir(const std::vector<ResultatEleve>& resultats, std::string_view eleve,
                               const BaseEspeces& base) {
  std::map<std::string, int> ratees;
  std::map<std::pair<std::string, std::string>, int> confusions;
  std::vector<std::string> ordreEspeces;
  std::vector<std::pair<std::string, std::string>> ordreConfusions;
  const auto fiches = parNom(base);
  for (const ResultatEleve* r : derniersRecaps(resultats, eleve)) {
    for (const std::string_view texte : lignes(r->recap)) {
      const auto ligne = lireLigne(texte);
      const auto trouvee = ligne ? fiches.find(ligne->nom) : fiches.end();
      if (trouvee == fiches.end()) continue;
      const FicheEspece* fiche = trouvee->second;
      bool ratee = false;
      for (const std::string& choisi : ligne->chemin) {
        const auto code = codeGroupe(choisi, fiche->Vegetal);
        if (!code || *code == fiche->Groupe) continue;
        ratee = true;
        const auto paire = std::make_pair(nomDuGroupe(fiche->Vegetal, fiche->Groupe), choisi);
        if (confusions[paire]++ == 0) ordreConfusions.push_back(paire);
      }
      if (ratee && ratees[ligne->nom]++ == 0) ordreEspeces.push_back(ligne->nom);
    }
  }
  BilanEleve bilan;
  for (const auto& nom : ordreEspeces) bilan.especes.push_back({nom, ratees[nom]});
  for (const auto& paire : ordreConfusions) {
    bilan.confusions.push_back({paire.first, paire.second, confusions[paire]});
  }
  garderLesPremiers(bilan.especes);
  garderLesPremiers(bilan.confusions);
  return bilan;
}

std::string BilanEleve::texte() const {
  if (especes.empty()) return "Aucune espèce mal classée dans ses résultats.";
  std::string texte = "Espèces le plus souvent mal classées :";
  for (const EspeceRatee& espece : especes) texte += "\n- " + espece.nom + fois(espece.fois);
  texte += "\nGroupes confondus :";
  for (const Confusion& c : confusions) {
    texte += "\n- " + c.juste + " pris pour " + c.choisi + fois(c.fois);
  }
  return texte;
}

}  // namespace sylvenor
