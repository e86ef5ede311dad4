// The settings values: any text converts to a value in range or to nothing.
#include <cstdint>

#include "app/Reglages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sylvenor;
  const std::string_view texte(reinterpret_cast<const char*>(data), size);
  Reglages::texteVersBooleen(texte);
  Reglages::texteVersEntier(texte);
  return 0;
}
