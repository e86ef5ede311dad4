// Turns a species base file into the readable species table, and back, so that a teacher can
// review or prepare cards in a spreadsheet or a text editor:
//   sylvenor-table vers-table <base.dat> <table.txt>
//   sylvenor-table vers-base <table.txt> <base.dat>
// A table written from a base gives that base back byte for byte; a card that the table cannot
// hold as it is (an unknown code, a "|" in a text, blanks before a text) is named.
#include <iostream>
#include <string>
#include <vector>

#include "platform/PosixFileAccess.h"
#include "species/BaseEspeces.h"
#include "species/ReadableTable.h"
#include "species/RecordCodec.h"

namespace {

using namespace sylvenor;

constexpr std::size_t kTailleMax = 64 * 1024 * 1024;

std::string encoder(const std::vector<FicheEspece>& fiches) {
  std::string octets;
  for (const FicheEspece& fiche : fiches) {
    const RecordCodec::Bytes record = RecordCodec::encode(fiche);
    octets.append(record.data(), record.size());
  }
  return octets;
}

bool lire(PosixFileAccess& fichiers, const char* chemin, std::string& octets) {
  const FileRead lu = fichiers.read(chemin, kTailleMax);
  if (lu.erreur != FileError::Aucune || lu.tronque) {
    std::cerr << chemin << " : lecture impossible\n";
    return false;
  }
  octets = lu.octets;
  return true;
}

bool ecrire(PosixFileAccess& fichiers, const char* chemin, const std::string& octets) {
  if (fichiers.replace(chemin, octets) == FileError::Aucune) return true;
  std::cerr << chemin << " : écriture impossible\n";
  return false;
}

int versTable(const char* base, const char* table) {
  PosixFileAccess fichiers;
  std::string octets;
  if (!lire(fichiers, base, octets)) return 1;
  std::vector<FicheEspece> fiches;
  for (std::size_t debut = 0; debut + RecordCodec::kTailleFiche <= octets.size();
       debut += RecordCodec::kTailleFiche) {
    fiches.push_back(RecordCodec::decode(std::string_view(octets).substr(debut)));
  }
  if (octets.size() % RecordCodec::kTailleFiche != 0) {
    std::cerr << base << " : la dernière fiche est incomplète, elle est laissée de côté\n";
  }
  const std::string texte = writeReadableTable(fiches);
  if (!ecrire(fichiers, table, texte)) return 1;
  // Read back, each card must give its record again.
  const ReadableTable relue = parseReadableTable(texte);
  bool identique = relue.erreurs.empty() && relue.fiches.size() == fiches.size();
  for (std::size_t i = 0; i < fiches.size(); ++i) {
    const bool meme = i < relue.fiches.size() &&
                      RecordCodec::encode(relue.fiches[i]) == RecordCodec::encode(fiches[i]);
    if (!meme) std::cerr << "fiche " << i + 1 << " : la table ne la garde pas à l'identique\n";
    identique = identique && meme;
  }
  return identique ? 0 : 1;
}

int versBase(const char* table, const char* base) {
  PosixFileAccess fichiers;
  std::string texte;
  if (!lire(fichiers, table, texte)) return 1;
  const ReadableTable lue = parseReadableTable(texte);
  for (const std::string& erreur : lue.erreurs) std::cerr << table << " : " << erreur << '\n';
  if (!lue.erreurs.empty()) return 1;
  if (lue.fiches.size() > static_cast<std::size_t>(BaseEspeces::kCapacite)) {
    std::cerr << table << " : plus de " << BaseEspeces::kCapacite << " fiches\n";
    return 1;
  }
  return ecrire(fichiers, base, encoder(lue.fiches)) ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string sens = argc == 4 ? argv[1] : "";
  if (sens == "vers-table") return versTable(argv[2], argv[3]);
  if (sens == "vers-base") return versBase(argv[2], argv[3]);
  std::cerr << "usage : sylvenor-table vers-table <base.dat> <table.txt>\n"
               "        sylvenor-table vers-base <table.txt> <base.dat>\n";
  return 2;
}
