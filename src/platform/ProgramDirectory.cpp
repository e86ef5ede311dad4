#include "platform/ProgramDirectory.h"

#include <QCoreApplication>

namespace sylvenor {

std::filesystem::path ProgramDirectory::path() {
  return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

}  // namespace sylvenor
