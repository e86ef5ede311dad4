// Builds the species base of a program directory from its readable table:
//   make_base <especes.txt> <programDir>
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/PosixFileAccess.h"
#include "species/BaseEspeces.h"
#include "species/ReadableTable.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage : make_base <especes.txt> <dossier du programme>\n";
    return 2;
  }
  std::ifstream input(argv[1], std::ios::binary);
  std::stringstream text;
  text << input.rdbuf();
  if (!input) {
    std::cerr << argv[1] << " : lecture impossible\n";
    return 1;
  }
  const sylvenor::ReadableTable table = sylvenor::parseReadableTable(text.str());
  for (const std::string& error : table.erreurs) std::cerr << argv[1] << " : " << error << '\n';
  if (!table.erreurs.empty()) return 1;
  sylvenor::BaseEspeces base;
  for (const sylvenor::FicheEspece& fiche : table.fiches) {
    if (!base.ajouter(fiche)) {
      std::cerr << argv[1] << " : plus de " << sylvenor::BaseEspeces::kCapacite << " fiches\n";
      return 1;
    }
  }
  sylvenor::PosixFileAccess files;
  if (base.EnregBase(files, argv[2]) != sylvenor::FileError::Aucune) {
    std::cerr << argv[2] << " : écriture de la base impossible\n";
    return 1;
  }
  return 0;
}
