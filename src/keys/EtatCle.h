#pragma once

#include <vector>

#include "keys/DefinitionCle.h"

namespace sylvenor {

// Which nodes and leaves of a key are shown while the pupil walks it.
class EtatCle {
 public:
  explicit EtatCle(const DefinitionCle& definition);

  // Back to the first criterion alone.
  void reinitialiser();
  // Answer `reponse` of node `noeud`: its node or leaf shows, and everything reached through
  // the other answers of that node hides.
  void repondre(int noeud, int reponse);

  bool noeudVisible(int noeud) const { return noeuds_.at(static_cast<std::size_t>(noeud)); }
  bool feuilleVisible(int feuille) const { return feuilles_.at(static_cast<std::size_t>(feuille)); }
  // True while a leaf that warns is shown.
  bool avertissementVisible() const;

 private:
  void cacherSousArbre(const ReponseCle& reponse);

  const DefinitionCle& definition_;
  std::vector<bool> noeuds_;
  std::vector<bool> feuilles_;
};

}  // namespace sylvenor
