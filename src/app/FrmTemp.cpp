#include "app/FrmTemp.h"

#include <QDir>
#include <QLabel>

namespace sylvenor {
namespace {

constexpr const char* kFichier = "fichier";

}  // namespace

FrmTemp::FrmTemp(const std::filesystem::path& programDir) {
  setObjectName("FrmTemp");
  const QDir images(QString::fromStdString((programDir / "images").string()));
  for (const QString& file : images.entryList({"*.png"}, QDir::Files, QDir::Name)) {
    auto* picture = new QLabel(this);
    picture->setObjectName(QFileInfo(file).completeBaseName());
    picture->setProperty(kFichier, images.filePath(file));
  }
}

// Decoded on first use: the start screen needs only a few of the pictures.
QPixmap FrmTemp::image(const QString& name) const {
  auto* picture = findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
  if (!picture) return {};
  if (picture->pixmap().isNull())
    picture->setPixmap(QPixmap(picture->property(kFichier).toString()));
  return picture->pixmap();
}

}  // namespace sylvenor
