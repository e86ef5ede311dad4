#include "PictureJob.h"

#include "ButtonCatalog.h"
#include "ButtonIconPainter.h"

namespace sylvenor::draw {

PictureJob::PictureJob(const QString& programDir, const QString& iconDir)
    : saver_(programDir), iconDir_(iconDir) {}

void PictureJob::run() const {
  for (const ButtonCatalog::Button& button : ButtonCatalog::buttons()) {
    saver_.savePng(ButtonCatalog::render(button), QStringLiteral("images/") + button.fileName);
  }
  if (iconDir_.isEmpty()) return;
  // The pupil's picture, which opens the program, drawn again at each size rather than scaled.
  const ImageSaver icons(iconDir_);
  for (const int size : {48, 64, 128, 256}) {
    icons.savePng(ButtonCatalog::render({"sylvenor.png", size, ButtonIconPainter::paintPupil}),
                  QString("%1/sylvenor.png").arg(size));
  }
}

}  // namespace sylvenor::draw
