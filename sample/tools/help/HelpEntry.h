#pragma once

#include <QString>

namespace sylvenor::draw {

// One line of aide.txt: the help picture shown at step `index` of the window `key`.
struct HelpEntry {
  QString key;
  int index = 0;
  QString title;
  QString explanation;

  QString fileName() const { return QString::number(index) + key + QStringLiteral(".jpg"); }
};

}  // namespace sylvenor::draw
