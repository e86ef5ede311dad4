#include "PictureJob.h"

#include "ButtonCatalog.h"

namespace sylvenor::draw {

PictureJob::PictureJob(const QString& programDir) : saver_(programDir) {}

void PictureJob::run() const {
  for (const ButtonCatalog::Button& button : ButtonCatalog::buttons()) {
    saver_.savePng(ButtonCatalog::render(button), QStringLiteral("images/") + button.fileName);
  }
}

}  // namespace sylvenor::draw
