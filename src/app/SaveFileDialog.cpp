#include "app/SaveFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace sylvenor {

QString SaveFileDialog::ask(QWidget* parent, const QString& title, const QString& proposedName,
                            const QString& filter) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  QString chosen = QFileDialog::getSaveFileName(parent, title, QDir(folder).filePath(proposedName),
                                                filter, nullptr, QFileDialog::DontUseNativeDialog);
  const QString suffix = '.' + QFileInfo(proposedName).suffix();
  if (!chosen.isEmpty() && !chosen.endsWith(suffix, Qt::CaseInsensitive)) chosen += suffix;
  return chosen;
}

}  // namespace sylvenor
