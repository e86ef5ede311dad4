#include "results/ExportTableur.h"

#include "results/TableResultats.h"

namespace sylvenor {
namespace {

constexpr std::string_view kMarqueUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view kTitres =
    "Élève;Date;Heure;Clés;Espèces;Bien classées;Erreurs;Part de bonnes réponses (%);Aide";

// Quoted when it holds a separator, a quote or a line end, its quotes doubled.
std::string champ(const std::string& texte) {
  if (texte.find_first_of(";\"\r\n") == std::string::npos) return texte;
  std::string cite = "\"";
  for (const char c : texte) {
    if (c == '"') cite += '"';
    cite += c;
  }
  return cite + '"';
}

}  // namespace

std::string ExportTableur::csv(const std::vector<const ResultatEleve*>& lignes) {
  using Colonne = TableResultats::Colonne;
  std::string texte = std::string(kMarqueUtf8) + std::string(kTitres) + "\r\n";
  for (const ResultatEleve* r : lignes) {
    texte += champ(r->eleve) + ';' + TableResultats::cellule(*r, Colonne::Date) + ';' +
             TableResultats::cellule(*r, Colonne::Heure) + ';' + champ(r->cles);
    for (const Colonne colonne :
         {Colonne::Especes, Colonne::Bien, Colonne::Erreurs, Colonne::Part, Colonne::Aide}) {
      texte += ';' + TableResultats::cellule(*r, colonne);
    }
    texte += "\r\n";
  }
  return texte;
}

}  // namespace sylvenor
