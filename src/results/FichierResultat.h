#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "results/ResultatEleve.h"

namespace sylvenor {

// A result's file, in Windows-1252 like the program's other files: a first line of fields
// separated by tabs, which a spreadsheet or a script can read, then the recap text as shown.
//   Sylvenor résultat<TAB>1<TAB>pupil<TAB>2026-12-07 09:05:30<TAB>start<TAB>keys<TAB>species
//   <TAB>right<TAB>errors<TAB>help
class FichierResultat {
 public:
  static constexpr std::size_t kTailleMax = 1 << 20;

  static std::string ecrire(const ResultatEleve& resultat);
  // None when the bytes are not a result of this program.
  static std::optional<ResultatEleve> lire(std::string_view octets);

  static std::string date(const DateHeure& moment);  // "2026-12-07 09:05:30"
  static std::optional<DateHeure> lireDate(std::string_view texte);
};

}  // namespace sylvenor
