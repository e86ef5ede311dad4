#include "app/Launcher.h"

#include <QApplication>

namespace sylvenor {

Launcher::Launcher(const std::filesystem::path& programDir)
    : programme_(programDir, {files_, settings_, session_, web_, printer_, clock_, volumes_}),
      start_(std::make_unique<Splashscreen>(programme_)) {
  placer_ = std::make_unique<WindowPlacer>(*start_);
  QApplication::instance()->installEventFilter(placer_.get());
  QApplication::instance()->installEventFilter(&entree_);
  start_->Form_Load();
  start_->show();
}

}  // namespace sylvenor
