#include "app/FrmTemp.h"

#include <QDir>
#include <QFile>
#include <QLabel>

#include "platform/PictureLoader.h"

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
    picture->setPixmap(QPixmap::fromImage(PictureLoader::lire(
        QFile::encodeName(picture->property(kFichier).toString()).toStdString())));
  return picture->pixmap();
}

}  // namespace sylvenor
