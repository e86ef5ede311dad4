#include "keys/EtatCle.h"

namespace sylvenor {

EtatCle::EtatCle(const DefinitionCle& definition) : definition_(definition) { reinitialiser(); }

bool EtatCle::avertissementVisible() const {
  for (std::size_t i = 0; i < feuilles_.size(); ++i) {
    if (feuilles_[i] && definition_.feuilles[i].avertit) return true;
  }
  return false;
}

void EtatCle::reinitialiser() {
  noeuds_.assign(definition_.noeuds.size(), false);
  feuilles_.assign(definition_.feuilles.size(), false);
  if (!noeuds_.empty()) noeuds_[0] = true;
}

void EtatCle::cacherSousArbre(const ReponseCle& reponse) {
  if (reponse.feuille >= 0) feuilles_[static_cast<std::size_t>(reponse.feuille)] = false;
  if (reponse.noeud < 0) return;
  noeuds_[static_cast<std::size_t>(reponse.noeud)] = false;
  for (const ReponseCle& next :
       definition_.noeuds[static_cast<std::size_t>(reponse.noeud)].reponses) {
    cacherSousArbre(next);
  }
}

void EtatCle::repondre(int noeud, int reponse) {
  const auto& answers = definition_.noeuds.at(static_cast<std::size_t>(noeud)).reponses;
  for (std::size_t other = 0; other < answers.size(); ++other) {
    if (static_cast<int>(other) != reponse) cacherSousArbre(answers[other]);
  }
  const ReponseCle& chosen = answers.at(static_cast<std::size_t>(reponse));
  if (chosen.noeud >= 0) noeuds_[static_cast<std::size_t>(chosen.noeud)] = true;
  if (chosen.feuille >= 0) feuilles_[static_cast<std::size_t>(chosen.feuille)] = true;
}

}  // namespace sylvenor
