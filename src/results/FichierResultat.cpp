#include "results/FichierResultat.h"

#include <charconv>
#include <cstdio>
#include <vector>

#include "species/Cp1252.h"

namespace sylvenor {
namespace {

constexpr std::string_view kEntete = "Sylvenor résultat";
constexpr std::string_view kVersion = "1";
constexpr std::size_t kNbChamps = 10;

// A tab or a line end in a field would cut the line of fields.
std::string champ(std::string_view texte) {
  std::string propre(texte);
  for (char& c : propre) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return propre;
}

std::vector<std::string_view> decouper(std::string_view ligne) {
  std::vector<std::string_view> champs;
  for (std::size_t debut = 0;;) {
    const std::size_t tab = ligne.find('\t', debut);
    champs.push_back(ligne.substr(debut, tab - debut));
    if (tab == std::string_view::npos) return champs;
    debut = tab + 1;
  }
}

std::optional<int> entier(std::string_view texte) {
  int valeur = 0;
  const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
  if (erreur != std::errc{} || fin != texte.data() + texte.size() || valeur < 0) {
    return std::nullopt;
  }
  return valeur;
}

}  // namespace

std::string FichierResultat::date(const DateHeure& moment) {
  char texte[32];
  std::snprintf(texte, sizeof texte, "%04d-%02d-%02d %02d:%02d:%02d", moment.annee, moment.mois,
                moment.jour, moment.heure, moment.minute, moment.seconde);
  return texte;
}

std::optional<DateHeure> FichierResultat::lireDate(std::string_view texte) {
  if (texte.size() != 19) return std::nullopt;
  DateHeure moment;
  const std::pair<std::size_t, int*> parties[] = {{0, &moment.annee},   {5, &moment.mois},
                                                  {8, &moment.jour},    {11, &moment.heure},
                                                  {14, &moment.minute}, {17, &moment.seconde}};
  for (const auto& [debut, valeur] : parties) {
    const auto lu = entier(texte.substr(debut, debut == 0 ? 4 : 2));
    if (!lu) return std::nullopt;
    *valeur = *lu;
  }
  const bool valide = moment.mois >= 1 && moment.mois <= 12 && moment.jour >= 1 &&
                      moment.jour <= 31 && moment.heure < 24 && moment.minute < 60 &&
                      moment.seconde < 60;
  if (!valide || date(moment) != texte) return std::nullopt;
  return moment;
}

std::string FichierResultat::ecrire(const ResultatEleve& resultat) {
  std::string ligne = std::string(kEntete) + '\t' + std::string(kVersion);
  for (const std::string& valeur :
       {champ(resultat.eleve), date(resultat.moment), date(resultat.debutExercice),
        champ(resultat.cles), std::to_string(resultat.especes), std::to_string(resultat.bien),
        std::to_string(resultat.erreurs), std::to_string(resultat.aide)}) {
    ligne += '\t' + valeur;
  }
  return Cp1252::encode(ligne + '\n' + resultat.recap);
}

std::optional<ResultatEleve> FichierResultat::lire(std::string_view octets) {
  const std::string texte = Cp1252::decode(octets);
  const std::size_t finLigne = texte.find('\n');
  if (finLigne == std::string::npos) return std::nullopt;
  const auto champs = decouper(std::string_view(texte).substr(0, finLigne));
  if (champs.size() != kNbChamps || champs[0] != kEntete || champs[1] != kVersion) {
    return std::nullopt;
  }
  ResultatEleve resultat;
  resultat.eleve = champs[2];
  const auto moment = lireDate(champs[3]);
  const auto debut = lireDate(champs[4]);
  resultat.cles = champs[5];
  const auto especes = entier(champs[6]);
  const auto bien = entier(champs[7]);
  const auto erreurs = entier(champs[8]);
  const auto aide = entier(champs[9]);
  if (!moment || !debut || !especes || !bien || !erreurs || !aide) return std::nullopt;
  resultat.moment = *moment;
  resultat.debutExercice = *debut;
  resultat.especes = *especes;
  resultat.bien = *bien;
  resultat.erreurs = *erreurs;
  resultat.aide = *aide;
  resultat.recap = texte.substr(finLigne + 1);
  return resultat;
}

}  // namespace sylvenor
