#pragma once

#include <QImage>

#include "HelpEntry.h"

namespace sylvenor::draw {

// The help pictures shown beside the keys: a title and a short explanation in large letters, so
// that a pupil reads them without effort.
class HelpPicturePainter {
 public:
  struct Picture {
    QImage image;
    bool complete = true;  // false when the text had to be cut to fit
  };

  static Picture paint(const HelpEntry& entry);

 private:
  static void paintFrame(QPainter& painter);
  static void paintLeaf(QPainter& painter);
};

}  // namespace sylvenor::draw
