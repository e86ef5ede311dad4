#include "app/Programme.h"

#include <utility>

namespace sylvenor {

Programme::Programme(std::filesystem::path dossier, Services services)
    : dossier_(std::move(dossier)),
      services_(services),
      reglages_(services.reglages),
      options_(OptionsEleve::lire(reglages_)) {}

bool Programme::rafraichirBase() {
  if (base_.inchangee(services_.fichiers, dossier_)) return false;
  relireBase();
  return true;
}

}  // namespace sylvenor
