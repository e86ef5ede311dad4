#include "keys/ProfilCle.h"

#include "keys/ClesDichotomiques.h"

namespace sylvenor {

const ProfilCle& ProfilCle::animal() {
  static const ProfilCle profil{
      "Frm2",
      "Classification d'un animal",
      "Peux-tu classer cet animal ?",
      "Label3",
      "frm2.jpg",
      0,
      {"MILIEU DE VIE: ", "NOURRITURE: ", "VERTEBRES: ", "DEPLACEMENT: ", "MEMBRES: ",
       "RESPIRATION: "},
      {255, 192, 192},
      true,
      "Il n'y a aucun animal à classer pour le moment. Demande à ton professeur d'ajouter des "
      "fiches ou de choisir d'autres espèces.",
      &ClesDichotomiques::animal()};
  return profil;
}

}  // namespace sylvenor
