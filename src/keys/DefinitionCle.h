#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sylvenor {

// A rectangle of a key window, in twips from its top left corner.
struct RectTwips {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A connecting line, from one point to another, in twips.
struct LigneCle {
  std::string nom;
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
};

struct TexteCle {
  std::string nom;
  std::string texte;
  RectTwips rect;
};

enum class ImageReponse { Aucune, Oui, Non };

// An answer button: it opens a node or a leaf, or hands the species over to another key.
struct ReponseCle {
  std::string nom;
  std::string legende;  // empty for a picture button
  ImageReponse image = ImageReponse::Aucune;
  RectTwips rect{};
  int aide = -1;  // index of the help label beside it, or -1
  RectTwips rectAide{};
  int noeud = -1;        // node it shows
  int feuille = -1;      // leaf it shows
  bool passage = false;  // hands the species over to the next key
};

// A criterion: its texts and lines, and its answers.
struct NoeudCle {
  std::vector<TexteCle> textes;
  std::vector<LigneCle> lignes;
  std::vector<ReponseCle> reponses;
};

// A group reached: its label, lines and OK button, and what a validation records.
struct FeuilleCle {
  TexteCle texte;
  std::vector<LigneCle> lignes;
  std::string nomOk;
  RectTwips rectOk;
  std::string groupe;
  std::int16_t code = 0;
  bool avertit = false;  // shows the key's warning while it is shown
};

// A whole dichotomous key. Node 0 is the first criterion, shown from the start.
struct DefinitionCle {
  std::vector<NoeudCle> noeuds;
  std::vector<FeuilleCle> feuilles;
  std::vector<TexteCle> entete;          // always shown
  std::vector<TexteCle> avertissements;  // shown with the leaves that warn
};

}  // namespace sylvenor
