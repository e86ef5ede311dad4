#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/FileError.h"

namespace sylvenor {

// The message of a failed file operation of the teacher module or the workshop: its first lines
// depend on the failure and on the operation, a hint about read-only media follows.
class MessageErreurFichier {
 public:
  struct Textes {
    std::string nonTrouve;    // file not found
    std::string accesRefuse;  // read-only file or medium
    // Without it a full disk is told as an unknown error, with its number.
    std::optional<std::string> disquePlein = "Disque(tte) plein(e).\nTraitement impossible";
    std::string indice = "Vérifiez que le logiciel n'est pas lancé depuis un CD-ROM.";
  };

  // What the teacher is told when another copy of the program changed the cards meanwhile.
  static constexpr std::string_view kBaseChangee =
      "Les fiches ont été modifiées depuis un autre poste pendant que vous travailliez.\n\n"
      "Elles viennent d'être relues : refaites votre modification sur les fiches à jour.";

  static std::string texte(FileError erreur, const Textes& textes);
};

}  // namespace sylvenor
