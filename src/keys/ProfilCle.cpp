#include "keys/ProfilCle.h"

#include "keys/ClesDichotomiques.h"

namespace sylvenor {

namespace {

ProfilCle construireAnimal() {
  ProfilCle profil{
      "Frm2",
      "Classification d'un animal",
      "Peux-tu classer cet animal ?",
      "Label3",
      "frm2.jpg",
      kAnimal,
      {255, 192, 192},
      true,
      "Il n'y a aucun animal à classer pour le moment. Demande à ton professeur d'ajouter des "
      "fiches ou de choisir d'autres espèces.",
      &ClesDichotomiques::animal()};
  profil.suite = &ProfilCle::invertebres();
  profil.nomCourt = "animaux";
  return profil;
}

ProfilCle construireInvertebre() {
  ProfilCle profil;
  profil.nomFenetre = "Frm2b";
  profil.titre = "Classification d'un invertébré";
  profil.question = "Peux-tu classer cet animal ?";
  profil.nomAides = "Interrogation";
  profil.suffixeAide = "frm2b.jpg";
  profil.couleur = {255, 192, 192};
  profil.definition = &ClesDichotomiques::invertebre();
  profil.continuation = true;
  profil.nomCourt = "invertébrés";
  return profil;
}

ProfilCle construireVegetal() {
  ProfilCle profil;
  profil.nomFenetre = "Frm3";
  profil.titre = "Classification des végétaux";
  profil.question = "Peux-tu classer cette plante ?";
  profil.nomAides = "Interrogation";
  profil.suffixeAide = "frm3.jpg";
  profil.vegetal = kVegetal;
  profil.couleur = {0, 192, 0};
  profil.aucuneEspece =
      "Il n'y a aucune plante à classer pour le moment. Demande à ton professeur d'ajouter des "
      "fiches ou de choisir d'autres espèces.";
  profil.definition = &ClesDichotomiques::vegetal();
  profil.imageOui = "OUI_vert";
  profil.imageNon = "NON_vert";
  profil.nomCourt = "végétaux";
  return profil;
}

}  // namespace

const ProfilCle& ProfilCle::animaux() {
  static const ProfilCle profil = construireAnimal();
  return profil;
}

const ProfilCle& ProfilCle::invertebres() {
  static const ProfilCle profil = construireInvertebre();
  return profil;
}

const ProfilCle& ProfilCle::vegetaux() {
  static const ProfilCle profil = construireVegetal();
  return profil;
}

}  // namespace sylvenor
