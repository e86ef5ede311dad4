#include "app/Launcher.h"

namespace sylvenor {

Launcher::Launcher(const std::filesystem::path& programDir)
    : programme_(programDir, {files_, settings_, session_, web_, printer_, clock_, volumes_}),
      start_(std::make_unique<Splashscreen>(programme_)) {
  start_->Form_Load();
  start_->show();
}

}  // namespace sylvenor
