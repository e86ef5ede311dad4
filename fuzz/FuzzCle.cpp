// The saved-key reader: any bytes give nine texts or nothing, and a key written from those
// texts reads back.
#include <cstdint>
#include <cstdlib>

#include "workshop/FichierClassification.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sylvenor;
  const auto cle =
      FichierClassification::lire(std::string_view(reinterpret_cast<const char*>(data), size));
  if (cle && !FichierClassification::lire(FichierClassification::ecrire(*cle))) std::abort();
  return 0;
}
