#include "platform/Lecteurs.h"

#include <QDir>
#include <QStorageInfo>

namespace sylvenor {

QStringList Lecteurs::racines() {
  QStringList racines = {QDir::rootPath(), QDir::homePath()};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady() && !racines.contains(volume.rootPath())) {
      racines << volume.rootPath();
    }
  }
  return racines;
}

}  // namespace sylvenor
