#pragma once

#include <string>
#include <vector>

#include "results/ResultatEleve.h"

namespace sylvenor {

// The results as a CSV file that LibreOffice Calc and Excel open in French as they are: UTF-8
// with its byte order mark, fields separated by ";", lines ended by CR LF, dates as
// "07/12/2026", the share of right answers as a whole percent.
class ExportTableur {
 public:
  static std::string csv(const std::vector<const ResultatEleve*>& lignes);
};

}  // namespace sylvenor
