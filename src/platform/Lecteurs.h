#pragma once

#include <QString>
#include <QStringList>

namespace sylvenor {

// The mounted volumes a teacher can choose a folder on: disks, USB keys, CD-ROMs and network
// shares, each by the folder it is mounted on.
class Lecteurs {
 public:
  static QStringList racines();
};

}  // namespace sylvenor
