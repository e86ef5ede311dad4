#include "app/Programme.h"

#include <utility>

namespace sylvenor {

Programme::Programme(std::filesystem::path dossier, Services services)
    : dossier_(std::move(dossier)), services_(services), reglages_(services.reglages) {}

}  // namespace sylvenor
