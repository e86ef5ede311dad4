#include "app/MessageErreurFichier.h"

namespace sylvenor {

std::string MessageErreurFichier::texte(FileError erreur, const Textes& textes) {
  if (erreur == FileError::ChangeeAilleurs) return std::string(kBaseChangee);
  std::string premiere;
  switch (erreur) {
    case FileError::NonTrouve:
      premiere = textes.nonTrouve;
      break;
    case FileError::AccesRefuse:
      premiere = textes.accesRefuse;
      break;
    case FileError::DisquePlein:
      if (textes.disquePlein) {
        premiere = *textes.disquePlein;
        break;
      }
      [[fallthrough]];
    default:
      premiere = "Erreur non reconnue.\nerreur " + std::to_string(static_cast<int>(erreur)) +
                 "\nTraitement interrompu.";
      break;
  }
  return premiere + "\n\n" + textes.indice;
}

}  // namespace sylvenor
