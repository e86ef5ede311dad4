#pragma once

namespace sylvenor::draw {

// The silhouette that stands for a group on a species card.
enum class Emblem {
  Mammal,
  Bird,
  Reptile,
  Amphibian,
  Fish,
  Crustacean,
  Jellyfish,
  Insect,
  Millipede,
  Spider,
  Snail,
  Earthworm,
  Starfish,
  FloweringPlant,
  Conifer,
  Fern,
  Moss,
  Seaweed,
  Lichen,
  Unknown,
};

}  // namespace sylvenor::draw
