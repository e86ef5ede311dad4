#pragma once

#include <optional>

namespace sylvenor {

// The share of right answers shown by the counter panel's bar.
struct PartBonnesReponses {
  static constexpr int kLargeurBarre = 1710;  // twips

  int largeur = kLargeurBarre;  // twips
  int pourcent = 100;

  // None while nothing was validated: the bar then keeps its state. Whole numbers only, so
  // 29 right and 21 wrong read 58 %.
  static std::optional<PartBonnesReponses> calculer(int bien, int erreurs);
};

}  // namespace sylvenor
