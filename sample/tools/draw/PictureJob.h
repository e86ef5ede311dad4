#pragma once

#include <QString>

#include "ImageSaver.h"

namespace sylvenor::draw {

// Draws the button pictures of the sample installation into a program folder.
class PictureJob {
 public:
  explicit PictureJob(const QString& programDir);

  void run() const;

 private:
  ImageSaver saver_;
};

}  // namespace sylvenor::draw
