#pragma once

#include <QString>

#include "ImageSaver.h"

namespace sylvenor::draw {

// Draws the button pictures of the sample installation into a program folder and, when a folder
// is given for them, the menu's icon at the sizes desktops ask for (<size>/sylvenor.png).
class PictureJob {
 public:
  explicit PictureJob(const QString& programDir, const QString& iconDir = {});

  void run() const;

 private:
  ImageSaver saver_;
  QString iconDir_;
};

}  // namespace sylvenor::draw
