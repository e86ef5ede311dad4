#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace sylvenor {

// A place on the board, in twips from the top left corner of the window.
struct PositionTwips {
  std::int32_t left = 0;
  std::int32_t top = 0;
  bool operator==(const PositionTwips&) const = default;
};

// The four living things of the board and the four final boxes they are dropped into: where
// each picture is, and whether it still waits in the picture row.
class PlateauClassification {
 public:
  static constexpr int kNbImages = 4;
  static constexpr std::int32_t kTaille = 1500;  // the pictures and the final boxes are squares
  static constexpr std::int32_t kLeftBoites = 10230;
  static constexpr std::array<std::int32_t, kNbImages> kTopsBoites = {90, 1650, 3195, 4725};
  static constexpr std::int32_t kMarge = 300;  // how near a box a picture must be let go
  static constexpr std::int32_t kTopRangee = 7125;
  static constexpr std::array<std::int32_t, kNbImages> kLeftsOuverture = {360, 2235, 4095, 5955};

  enum class Essai { Possible, NonPlacees, MalPlacees };

  PlateauClassification();

  PositionTwips position(int image) const { return positions_.at(image); }
  // True while the picture has never been dropped into a box, or after a drop outside them.
  bool enAttente(int image) const { return enAttente_.at(image); }
  static PositionTwips placeDepart(int image);

  void deplacer(int image, PositionTwips position);
  // The picture let go where it stands: it snaps into the first final box near enough, or
  // goes back to the picture row.
  void deposer(int image);
  // Every picture back to the picture row; whether they wait is not changed.
  void remettreAZero();
  Essai verifierEssai() const;
  // The final box (0 for A to 3 for D) whose top the picture's top equals.
  std::optional<int> boite(int image) const;

 private:
  std::array<PositionTwips, kNbImages> positions_;
  std::array<bool, kNbImages> enAttente_{true, true, true, true};
};

}  // namespace sylvenor
