#pragma once

#include <cstdint>
#include <string>

namespace sylvenor {

// The sentence that tells the browser which group a species classified from it belongs to.
class PhraseGroupe {
 public:
  static std::string phrase(std::int16_t vegetal, std::int16_t groupe);
};

}  // namespace sylvenor
