#pragma once

#include <string>
#include <string_view>

namespace sylvenor {

// What the name entry makes of the text typed by the pupil. The stored name becomes part of the
// names of saved keys, so it never holds a path separator.
class NomEleve {
 public:
  static constexpr std::string_view kInvite = "<< Entrer un nom ici >>";
  static constexpr std::string_view kCaracteresRefuses = "/\\*?=:+";
  static constexpr std::string_view kMessageRefus =
      "Pour le nom: uniquement des lettres et des chiffres";

  enum class Verdict {
    Vide,     // the prompt, nothing, or only blanks: refused without a message
    Refuse,   // holds one of kCaracteresRefuses: refused with kMessageRefus
    Accepte,  // `nom` is the name to store
  };
  struct Saisie {
    Verdict verdict;
    std::string nom;  // trailing blanks removed, leading ones kept; empty unless accepted
  };

  static Saisie valider(std::string_view texte);
  // The stored name as the box offers it again: without its blanks at both ends.
  static std::string nomPropose(std::string_view nomStocke);
};

}  // namespace sylvenor
