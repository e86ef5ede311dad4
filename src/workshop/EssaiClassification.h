#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "workshop/PlateauClassification.h"

namespace sylvenor {

// A classmate's trial of a pupil's key: the four pictures are classified in turn, each judged
// against the box its author dropped it into on the board as it stood when the trial began.
class EssaiClassification {
 public:
  explicit EssaiClassification(const PlateauClassification& plateau);

  // The picture being classified (0 to 3), or 4 once all are done.
  int rang() const { return rang_; }
  bool termine() const { return rang_ >= PlateauClassification::kNbImages; }
  // The classmate's path led to final box `boite` (0 for A to 3 for D): whether the author
  // planned it there. Ignored once done.
  bool accepter(int boite);
  // The pictures classified as planned, and the others, in the order they were classified.
  const std::vector<int>& commePrevu() const { return commePrevu_; }
  const std::vector<int>& autrement() const { return autrement_; }
  std::string resultat(std::string_view nomEleve) const;

 private:
  PlateauClassification plateau_;
  int rang_ = 0;
  std::vector<int> commePrevu_;
  std::vector<int> autrement_;
};

}  // namespace sylvenor
