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
  // The base file is no longer the one this copy of the program read: another copy, on this
  // computer or another, changed it since.
  ChangeeAilleurs = 2,
};

}  // namespace sylvenor
