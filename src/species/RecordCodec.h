#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "species/FicheEspece.h"

namespace sylvenor {

// The 266-byte card of the base file and of card packages, little-endian:
// name 50 bytes, kingdom, group and distribution as int16, then six lines of 35 bytes.
class RecordCodec {
 public:
  static constexpr std::size_t kTailleFiche = 266;
  static constexpr std::size_t kTailleNom = 50;
  static constexpr std::size_t kTailleLigne = 35;
  static constexpr std::size_t kOffsetVegetal = 50;
  static constexpr std::size_t kOffsetGroupe = 52;
  static constexpr std::size_t kOffsetRepartition = 54;
  static constexpr std::size_t kOffsetInfo = 56;

  using Bytes = std::array<char, kTailleFiche>;

  static Bytes encode(const FicheEspece& fiche);
  // `bytes` must hold at least kTailleFiche bytes.
  static FicheEspece decode(std::string_view bytes);
};

}  // namespace sylvenor
