#include "GroupStyle.h"

#include <array>

namespace sylvenor::draw {

namespace {

constexpr std::int16_t kAnimal = 0;
constexpr std::int16_t kPlant = -1;

GroupStyle style(Emblem emblem, const char* background, const char* ink, const char* accent) {
  return {emblem, QColor(background), QColor(ink), QColor(accent)};
}

// Indexed by Groupe, in the order of the group table of the model.
const std::array<GroupStyle, 13>& animalStyles() {
  static const std::array<GroupStyle, 13> styles = {
      style(Emblem::Mammal, "#f6e8d8", "#8a5a2b", "#d9a86c"),
      style(Emblem::Bird, "#e1eff9", "#2f6690", "#7fb0d6"),
      style(Emblem::Reptile, "#edf2d9", "#5e7a22", "#a6bf5a"),
      style(Emblem::Amphibian, "#dff3e6", "#2e8b57", "#8fd0a8"),
      style(Emblem::Fish, "#dce7f7", "#2a5da8", "#86a9dc"),
      style(Emblem::Crustacean, "#fbe2da", "#c0462b", "#ec9a84"),
      style(Emblem::Jellyfish, "#f0e3f6", "#8e4aa8", "#d3a6e4"),
      style(Emblem::Insect, "#fbf0cf", "#7a5a10", "#d6aa3c"),
      style(Emblem::Millipede, "#f2e2d6", "#7a3e1d", "#c27e55"),
      style(Emblem::Spider, "#e7e3f3", "#463a6e", "#9d8fcf"),
      style(Emblem::Snail, "#f4eadc", "#8c5a2e", "#d8b48a"),
      style(Emblem::Earthworm, "#f7e0e6", "#b0506a", "#e08ea4"),
      style(Emblem::Starfish, "#fde7d8", "#d0632a", "#f4a775"),
  };
  return styles;
}

const std::array<GroupStyle, 6>& plantStyles() {
  static const std::array<GroupStyle, 6> styles = {
      style(Emblem::FloweringPlant, "#e8f5e0", "#3c8d2f", "#e0567a"),
      style(Emblem::Conifer, "#e0efe5", "#23613a", "#7a5230"),
      style(Emblem::Fern, "#e9f5de", "#4e9a2a", "#3a7a1e"),
      style(Emblem::Moss, "#eef2d9", "#5f7f1e", "#9a5a2a"),
      style(Emblem::Seaweed, "#dbefed", "#7a6a22", "#4f9a4a"),
      style(Emblem::Lichen, "#eeefe6", "#6f8f5a", "#d9a520"),
  };
  return styles;
}

template <std::size_t N>
const GroupStyle* lookUp(const std::array<GroupStyle, N>& styles, std::int16_t groupe) {
  if (groupe < 0 || static_cast<std::size_t>(groupe) >= N) {
    return nullptr;
  }
  return &styles[static_cast<std::size_t>(groupe)];
}

}  // namespace

GroupStyle GroupStyle::forGroup(std::int16_t vegetal, std::int16_t groupe) {
  const GroupStyle* found = nullptr;
  if (vegetal == kAnimal) {
    found = lookUp(animalStyles(), groupe);
  } else if (vegetal == kPlant) {
    found = lookUp(plantStyles(), groupe);
  }
  if (found == nullptr) {
    return style(Emblem::Unknown, "#ececec", "#6a6a6a", "#b0b0b0");
  }
  return *found;
}

QColor GroupStyle::fadedInk(int alpha) const {
  QColor colour = ink;
  colour.setAlpha(alpha);
  return colour;
}

}  // namespace sylvenor::draw
