#pragma once

namespace sylvenor {

// The file-error numbers that the messages of the program are built from.
enum class FileError {
  Aucune = 0,
  NonTrouve = 53,
  DisquePlein = 61,
  AccesRefuse = 75,
  CheminIntrouvable = 76,  // the folder itself is missing
  Autre = 1,
};

}  // namespace sylvenor
