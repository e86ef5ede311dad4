#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "keys/DefinitionCle.h"
#include "species/SpeciesCodes.h"

namespace sylvenor {

// What makes one key window differ from another: its table, its texts and its colour.
struct ProfilCle {
  std::string nomFenetre;
  std::string titre;
  std::string question;
  std::string nomAides;     // name of the help label array
  std::string suffixeAide;  // help picture i is aide/<i><suffix>
  std::int16_t vegetal = kAnimal;
  std::array<int, 3> couleur{};
  bool dictionnaire = false;
  std::string aucuneEspece;  // notice when no species can be presented
  const DefinitionCle* definition = nullptr;
  std::string imageOui = "Oui";
  std::string imageNon = "Non";
  // The key that an answer hands the species over to, and back.
  const ProfilCle* suite = nullptr;
  bool continuation = false;
  std::string nomCourt{};  // as the teacher's results name the key

  static const ProfilCle& animaux();
  static const ProfilCle& invertebres();
  static const ProfilCle& vegetaux();
};

}  // namespace sylvenor
