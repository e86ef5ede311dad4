#pragma once

#include <string_view>

namespace sylvenor {

// Fixed-width texts are padded with blanks; these take the padding off.
class Blancs {
 public:
  // Without the blanks at both ends.
  static std::string_view autour(std::string_view texte);
  // Without the blanks at the end.
  static std::string_view aDroite(std::string_view texte);
};

}  // namespace sylvenor
