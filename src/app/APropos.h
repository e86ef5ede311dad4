#pragma once

#include <string>
#include <string_view>

namespace sylvenor {

// The text of the about box: title and version, purpose, terms of use, how to reach the
// authors, the rights of the photographs, and a signature.
class APropos {
 public:
  static constexpr std::string_view kAdresseWeb = "https://sylvenor.brambel.fr";

  static std::string texte();
};

}  // namespace sylvenor
