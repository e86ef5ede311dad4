#pragma once

#include "keys/DefinitionCle.h"

namespace sylvenor {

// The keys of the program, as tables: their criteria, answers, groups and layout.
class ClesDichotomiques {
 public:
  static const DefinitionCle& animal();
  static const DefinitionCle& invertebre();
  static const DefinitionCle& vegetal();
};

}  // namespace sylvenor
