#include "workshop/PlateauClassification.h"

#include <algorithm>
#include <numeric>

namespace sylvenor {

PlateauClassification::PlateauClassification() {
  for (int i = 0; i < kNbImages; ++i) positions_.at(i) = {kLeftsOuverture.at(i), kTopRangee};
}

PositionTwips PlateauClassification::placeDepart(int image) {
  return {(kTaille + 365) * image + 365, kTopRangee};
}

void PlateauClassification::deplacer(int image, PositionTwips position) {
  positions_.at(image) = position;
}

void PlateauClassification::deposer(int image) {
  const PositionTwips lachee = positions_.at(image);
  const bool loinDesBoites =
      lachee.left < kLeftBoites - kMarge || lachee.top > kTopsBoites.back() + kTaille + kMarge;
  if (!loinDesBoites) {
    for (const std::int32_t top : kTopsBoites) {
      if (top - kMarge <= lachee.top && lachee.top <= top + kTaille) {
        positions_.at(image) = {kLeftBoites, top};
        enAttente_.at(image) = false;
        return;
      }
    }
    enAttente_.at(image) = true;
  }
  positions_.at(image) = placeDepart(image);
}

void PlateauClassification::remettreAZero() {
  for (int i = 0; i < kNbImages; ++i) positions_.at(i) = placeDepart(i);
}

PlateauClassification::Essai PlateauClassification::verifierEssai() const {
  if (std::find(enAttente_.begin(), enAttente_.end(), true) != enAttente_.end()) {
    return Essai::NonPlacees;
  }
  // One picture in each box is the only way for the tops to add up like the boxes' tops.
  const std::int64_t images =
      std::accumulate(positions_.begin(), positions_.end(), std::int64_t{0},
                      [](std::int64_t somme, const PositionTwips& p) { return somme + p.top; });
  const std::int64_t boites =
      std::accumulate(kTopsBoites.begin(), kTopsBoites.end(), std::int64_t{0});
  return images == boites ? Essai::Possible : Essai::MalPlacees;
}

std::optional<int> PlateauClassification::boite(int image) const {
  const auto trouvee = std::find(kTopsBoites.begin(), kTopsBoites.end(), positions_.at(image).top);
  if (trouvee == kTopsBoites.end()) return std::nullopt;
  return static_cast<int>(trouvee - kTopsBoites.begin());
}

}  // namespace sylvenor
