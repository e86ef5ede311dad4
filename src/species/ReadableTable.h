#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "species/FicheEspece.h"

namespace sylvenor {

// The readable form of the species table, one card a line, for teachers and for the sample
// installation:  Nom | animal|végétal | groupe | large|montagnard|marin|méditerranéen | 6 lines
// Lines starting with '#' and blank lines are skipped; blanks around each field are trimmed.
struct ReadableTable {
  std::vector<FicheEspece> fiches;
  std::vector<std::string> erreurs;  // "ligne N : ..." for every line that could not be read
};

ReadableTable parseReadableTable(std::string_view utf8Text);
// The table of these cards, with a header that tells the format; the padding of the texts is
// left out. A code outside its table is written "?", which the reader refuses.
std::string writeReadableTable(const std::vector<FicheEspece>& fiches);

}  // namespace sylvenor
