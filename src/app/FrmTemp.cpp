#include "app/FrmTemp.h"

#include <QDir>
#include <QLabel>

namespace sylvenor {

FrmTemp::FrmTemp(const std::filesystem::path& programDir) {
  setObjectName("FrmTemp");
  const QDir images(QString::fromStdString((programDir / "images").string()));
  for (const QString& file : images.entryList({"*.png"}, QDir::Files, QDir::Name)) {
    auto* picture = new QLabel(this);
    picture->setObjectName(QFileInfo(file).completeBaseName());
    picture->setPixmap(QPixmap(images.filePath(file)));
  }
}

QPixmap FrmTemp::image(const QString& name) const {
  const auto* picture = findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
  return picture ? picture->pixmap() : QPixmap();
}

}  // namespace sylvenor
