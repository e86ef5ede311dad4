#pragma once

#include <QFont>

namespace sylvenor::draw {

// The one typeface of every picture: DejaVu Sans is on every Debian machine (fonts-dejavu-core), so
// the pictures look the same wherever they are drawn.
class Typeface {
 public:
  static QFont sans(int pixelSize, QFont::Weight weight = QFont::Normal);
  static bool isInstalled();
};

}  // namespace sylvenor::draw
