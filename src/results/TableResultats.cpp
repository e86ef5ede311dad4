#include "results/TableResultats.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "species/Cp1252.h"

namespace sylvenor {
namespace {

using Colonne = TableResultats::Colonne;

// A letter of Windows-1252 as its small letter without accent.
char sansAccent(unsigned char c) {
  static const std::string kAccentuees =
      Cp1252::encode("ÀÁÂÃÄÅàáâãäåÇçÈÉÊËèéêëÌÍÎÏìíîïÑñÒÓÔÕÖòóôõöÙÚÛÜùúûüÝýÿ");
  static constexpr std::string_view kBases =
      "aaaaaaaaaaaacceeeeeeeeiiiiiiiinnoooooooooouuuuuuuuyyy";
  const std::size_t i = kAccentuees.find(static_cast<char>(c));
  if (i != std::string::npos) return kBases[i];
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
}

// Names compare as a pupil reads them: "élodie" between "Eden" and "Fanny".
std::string cleNom(std::string_view nom) {
  std::string cle;
  for (const unsigned char c : Cp1252::encode(nom)) cle += sansAccent(c);
  return cle;
}

long long jour(const DateHeure& moment) {
  return (moment.annee * 100LL + moment.mois) * 100 + moment.jour;
}

long long heure(const DateHeure& moment) {
  return (moment.heure * 100LL + moment.minute) * 100 + moment.seconde;
}

// A value to sort on: a number, or a name's key.
std::pair<long long, std::string> valeur(const ResultatEleve& r, Colonne colonne) {
  switch (colonne) {
    case Colonne::Eleve:
      return {0, cleNom(r.eleve)};
    case Colonne::Date:  // then the time, as people expect of a date
      return {ordre(r.moment), {}};
    case Colonne::Heure:
      return {heure(r.moment), {}};
    case Colonne::Especes:
      return {r.especes, {}};
    case Colonne::Bien:
      return {r.bien, {}};
    case Colonne::Erreurs:
      return {r.erreurs, {}};
    case Colonne::Part:
      return {r.pourcent().value_or(-1), {}};
    case Colonne::Aide:
      return {r.aide, {}};
  }
  return {};
}

bool garde(const ResultatEleve& r, const TableResultats::Filtre& filtre) {
  if (filtre.eleve && r.eleve != *filtre.eleve) return false;
  return !filtre.jour || jour(r.moment) == jour(*filtre.jour);
}

std::string troisNombres(int a, int b, int c, char separateur, int largeurC) {
  char texte[32];
  std::snprintf(texte, sizeof texte, "%02d%c%02d%c%0*d", a, separateur, b, separateur, largeurC, c);
  return texte;
}

// Characters, not bytes: the columns a fixed-width font shows.
std::size_t largeur(std::string_view utf8) {
  std::size_t n = 0;
  for (const unsigned char c : utf8) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

std::vector<std::size_t> TableResultats::lignes(const std::vector<ResultatEleve>& resultats,
                                                const Filtre& filtre, Colonne colonne,
                                                bool croissant) {
  std::vector<std::size_t> gardees;
  for (std::size_t i = 0; i < resultats.size(); ++i) {
    if (garde(resultats[i], filtre)) gardees.push_back(i);
  }
  std::stable_sort(gardees.begin(), gardees.end(), [&](std::size_t a, std::size_t b) {
    return ordre(resultats[a].moment) < ordre(resultats[b].moment);
  });
  std::stable_sort(gardees.begin(), gardees.end(), [&](std::size_t a, std::size_t b) {
    const auto va = valeur(resultats[a], colonne);
    const auto vb = valeur(resultats[b], colonne);
    return croissant ? va < vb : vb < va;
  });
  return gardees;
}

std::vector<std::string> TableResultats::eleves(const std::vector<ResultatEleve>& resultats) {
  std::vector<std::string> noms;
  for (const auto& r : resultats) {
    if (std::find(noms.begin(), noms.end(), r.eleve) == noms.end()) noms.push_back(r.eleve);
  }
  std::sort(noms.begin(), noms.end(), [](const std::string& a, const std::string& b) {
    return std::make_pair(cleNom(a), a) < std::make_pair(cleNom(b), b);
  });
  return noms;
}

std::vector<DateHeure> TableResultats::jours(const std::vector<ResultatEleve>& resultats) {
  std::vector<DateHeure> tous;
  for (const auto& r : resultats) {
    const DateHeure j{r.moment.annee, r.moment.mois, r.moment.jour};
    const bool deja = std::any_of(tous.begin(), tous.end(),
                                  [&](const DateHeure& d) { return jour(d) == jour(j); });
    if (!deja) tous.push_back(j);
  }
  std::sort(tous.begin(), tous.end(),
            [](const DateHeure& a, const DateHeure& b) { return jour(a) < jour(b); });
  return tous;
}

std::string TableResultats::enTexte(const std::vector<const ResultatEleve*>& lignes) {
  std::vector<std::vector<std::string>> cases(1);
  for (const std::string_view titre : kTitres) cases.front().emplace_back(titre);
  for (const ResultatEleve* r : lignes) {
    cases.emplace_back();
    for (int c = 0; c < kNbColonnes; ++c) cases.back().push_back(cellule(*r, Colonne(c)));
  }
  std::array<std::size_t, kNbColonnes> larges{};
  for (const auto& ligne : cases) {
    for (std::size_t c = 0; c < larges.size(); ++c) {
      larges[c] = std::max(larges[c], largeur(ligne[c]));
    }
  }
  std::string texte;
  for (const auto& ligne : cases) {
    for (std::size_t c = 0; c < larges.size(); ++c) {
      texte += ligne[c] + std::string(larges[c] - largeur(ligne[c]) + 2, ' ');
    }
    texte.erase(texte.find_last_not_of(' ') + 1);
    texte += '\n';
  }
  return texte;
}

std::string TableResultats::cellule(const ResultatEleve& r, Colonne colonne) {
  switch (colonne) {
    case Colonne::Eleve:
      return r.eleve;
    case Colonne::Date:
      return troisNombres(r.moment.jour, r.moment.mois, r.moment.annee, '/', 4);
    case Colonne::Heure:
      return troisNombres(r.moment.heure, r.moment.minute, r.moment.seconde, ':', 2);
    case Colonne::Part: {
      const auto part = r.pourcent();
      return part ? std::to_string(*part) : std::string();
    }
    default:
      return std::to_string(valeur(r, colonne).first);
  }
}

}  // namespace sylvenor
