#include "species/ReadableTable.h"

#include <algorithm>
#include <array>
#include <optional>

#include "species/Blancs.h"
#include "species/Cp1252.h"
#include "species/RecordCodec.h"
#include "species/SpeciesCodes.h"

namespace sylvenor {
namespace {

constexpr std::size_t kNbChamps = 10;
constexpr std::array<std::string_view, kNbRepartitions> kRepartitions = {"large", "montagnard",
                                                                         "marin", "méditerranéen"};

std::string_view trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::vector<std::string_view> splitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const auto bar = line.find('|', start);
    fields.push_back(trim(line.substr(start, bar - start)));
    if (bar == std::string_view::npos) return fields;
    start = bar + 1;
  }
}

std::optional<std::int16_t> kingdomCode(std::string_view word) {
  if (word == "animal") return kAnimal;
  if (word == "végétal") return kVegetal;
  return std::nullopt;
}

// Group words are compared without regard to the case of their first letter ("Mousse").
bool sameGroupWord(std::string_view a, std::string_view b) {
  if (a.empty() || b.empty() || a.size() != b.size()) return false;
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
  return lower(a[0]) == lower(b[0]) && a.substr(1) == b.substr(1);
}

std::optional<std::int16_t> groupCode(std::int16_t vegetal, std::string_view word) {
  const int count = vegetal == kAnimal ? kNbGroupesAnimaux : kNbGroupesVegetaux;
  for (std::int16_t code = 0; code < count; ++code) {
    if (sameGroupWord(*nomGroupe(vegetal, code), word)) return code;
  }
  return std::nullopt;
}

std::optional<std::int16_t> distributionCode(std::string_view word) {
  for (std::size_t code = 0; code < kRepartitions.size(); ++code) {
    if (kRepartitions[code] == word) return static_cast<std::int16_t>(code);
  }
  return std::nullopt;
}

// Texts longer than their field would be cut silently in the base file.
std::string firstTooLong(const std::vector<std::string_view>& fields) {
  if (Cp1252::encode(fields[0]).size() > RecordCodec::kTailleNom)
    return "nom de plus de 50 caractères";
  for (std::size_t i = 4; i < kNbChamps; ++i) {
    if (Cp1252::encode(fields[i]).size() > RecordCodec::kTailleLigne) {
      return "information " + std::to_string(i - 3) + " de plus de 35 caractères";
    }
  }
  return {};
}

// Returns the problem of the line, or an empty text once `fiche` is filled.
std::string parseLine(std::string_view line, FicheEspece& fiche) {
  const auto fields = splitFields(line);
  if (fields.size() != kNbChamps) {
    return std::to_string(fields.size()) + " champs au lieu de " + std::to_string(kNbChamps);
  }
  const auto vegetal = kingdomCode(fields[1]);
  if (!vegetal) return "règne inconnu « " + std::string(fields[1]) + " »";
  const auto groupe = groupCode(*vegetal, fields[2]);
  if (!groupe) return "groupe inconnu « " + std::string(fields[2]) + " »";
  const auto repartition = distributionCode(fields[3]);
  if (!repartition) return "répartition inconnue « " + std::string(fields[3]) + " »";
  if (const std::string tooLong = firstTooLong(fields); !tooLong.empty()) return tooLong;
  fiche.Nom = fields[0];
  fiche.Vegetal = *vegetal;
  fiche.Groupe = *groupe;
  fiche.Repartition = *repartition;
  for (std::size_t i = 0; i < fiche.Info.size(); ++i) fiche.Info[i] = fields[4 + i];
  return {};
}

std::string mot(std::optional<std::string_view> texte) { return texte ? std::string(*texte) : "?"; }

constexpr std::string_view kEntete =
    "# Espèces de Sylvenor : une espèce par ligne, dans l'ordre des numéros.\n"
    "# Les lignes qui commencent par # sont des commentaires ; les lignes vides sont ignorées.\n"
    "# Champs séparés par | :\n"
    "# Nom | règne | groupe | répartition | ligne1 | ligne2 | ligne3 | ligne4 | ligne5 | ligne6\n"
    "# règne : animal ou végétal.\n"
    "# répartition : large, montagnard, marin ou méditerranéen.\n"
    "# Chaque ligne d'information fait au plus 35 caractères.\n\n";

}  // namespace

std::string writeReadableTable(const std::vector<FicheEspece>& fiches) {
  std::string table(kEntete);
  for (const FicheEspece& fiche : fiches) {
    const std::string regne = fiche.Vegetal == kAnimal    ? "animal"
                              : fiche.Vegetal == kVegetal ? "végétal"
                                                          : "?";
    const auto repartition = static_cast<std::size_t>(fiche.Repartition);
    table += std::string(Blancs::aDroite(fiche.Nom)) + " | " + regne + " | " +
             mot(nomGroupe(fiche.Vegetal, fiche.Groupe)) + " | " +
             (repartition < kRepartitions.size() ? std::string(kRepartitions[repartition]) : "?");
    for (const std::string& ligne : fiche.Info)
      table += " | " + std::string(Blancs::aDroite(ligne));
    table += '\n';
  }
  return table;
}

ReadableTable parseReadableTable(std::string_view utf8Text) {
  ReadableTable table;
  std::size_t number = 0;
  for (std::size_t start = 0; start < utf8Text.size();) {
    const auto end = std::min(utf8Text.find('\n', start), utf8Text.size());
    const std::string_view line = trim(utf8Text.substr(start, end - start));
    start = end + 1;
    ++number;
    if (line.empty() || line.front() == '#') continue;
    FicheEspece fiche;
    const std::string problem = parseLine(line, fiche);
    if (problem.empty()) {
      table.fiches.push_back(std::move(fiche));
    } else {
      table.erreurs.push_back("ligne " + std::to_string(number) + " : " + problem);
    }
  }
  return table;
}

}  // namespace sylvenor
