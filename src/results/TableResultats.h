#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "results/ResultatEleve.h"

namespace sylvenor {

// The rows of the results screen: the results of one pupil or all, of one day or all, in the
// order of a column.
class TableResultats {
 public:
  enum class Colonne { Eleve, Date, Heure, Especes, Bien, Erreurs, Part, Aide };
  static constexpr int kNbColonnes = 8;
  static constexpr std::array<std::string_view, kNbColonnes> kTitres = {
      "Élève", "Date", "Heure", "Espèces", "Bien", "Erreurs", "Part juste (%)", "Aide"};

  struct Filtre {
    std::optional<std::string> eleve;
    std::optional<DateHeure> jour;  // only its year, month and day count
  };

  // The positions in `resultats` of the rows kept, sorted on the column; rows equal on it keep
  // the time order. Names sort without regard to case or accents.
  static std::vector<std::size_t> lignes(const std::vector<ResultatEleve>& resultats,
                                         const Filtre& filtre, Colonne colonne, bool croissant);
  // The pupils and the days present, each once, sorted, for the filters' lists.
  static std::vector<std::string> eleves(const std::vector<ResultatEleve>& resultats);
  static std::vector<DateHeure> jours(const std::vector<ResultatEleve>& resultats);
  // A cell as the screen and the spreadsheet show it: "07/12/2026", "09:05:30", "67".
  static std::string cellule(const ResultatEleve& resultat, Colonne colonne);
  // The rows under their titles in columns, for a print in a fixed-width font.
  static std::string enTexte(const std::vector<const ResultatEleve*>& lignes);
};

}  // namespace sylvenor
