#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "workshop/ClassificationEleve.h"

namespace sylvenor {

// The saved-key file: one line of nine quoted texts in Windows-1252, separated by commas,
// a line break inside a text kept as CR LF. The format has no escape, so a straight double
// quote is written as a typographic one.
class FichierClassification {
 public:
  // A larger file is not a saved key: nine short texts never come near it.
  static constexpr std::size_t kTailleMax = 1024 * 1024;

  static std::string ecrire(const ClassificationEleve& cle);
  // The nine texts, or nothing when the bytes are not a saved key (fewer than nine texts,
  // a quote left open, control characters of a binary file).
  static std::optional<ClassificationEleve> lire(std::string_view octets);
};

}  // namespace sylvenor
