#include "platform/PictureLoader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <system_error>

namespace sylvenor {
namespace {

constexpr int kQualiteJpeg = 90;

bool fichierOrdinaire(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(file, error) &&
         std::filesystem::file_size(file, error) > 0 && !error;
}

// The size to ask the decoder for, in the picture's stored orientation.
QSize tailleLue(const QImageReader& reader, QSize box) {
  const QSize stored = reader.size();
  if (!stored.isValid()) return {};
  const bool tourne = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
  const QSize upright = tourne ? stored.transposed() : stored;
  if (upright.width() <= box.width() && upright.height() <= box.height()) return {};
  const QSize reduite = upright.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
  return tourne ? reduite.transposed() : reduite;
}

}  // namespace

QImage PictureLoader::lire(const std::filesystem::path& file, QSize box) {
  if (!fichierOrdinaire(file)) return {};
  if (box.isEmpty()) box = QSize(kCoteMaximal, kCoteMaximal);
  QImageReader reader(QFile::decodeName(file.c_str()));
  reader.setAutoTransform(true);
  // Above 50, the decoder smooths what it reduces.
  reader.setQuality(100);
  const QSize reduite = tailleLue(reader, box);
  if (reduite.isValid()) reader.setScaledSize(reduite);
  QImage image = reader.read();
  if (image.width() > box.width() || image.height() > box.height()) {
    image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  return image;
}

QImage PictureLoader::lire(const std::filesystem::path& file,
                           const std::filesystem::path& remplacement, QSize box) {
  QImage image = lire(file, box);
  if (image.isNull() && !remplacement.empty()) image = lire(remplacement, box);
  return image;
}

QPixmap PictureLoader::pourAffichage(const std::filesystem::path& file, QSize box, qreal ratio,
                                     const std::filesystem::path& remplacement) {
  const QSize pixels = (QSizeF(box) * ratio).toSize();
  return ajuster(lire(file, remplacement, pixels), box, ratio);
}

QPixmap PictureLoader::ajuster(const QImage& image, QSize box, qreal ratio) {
  if (image.isNull() || box.isEmpty()) return {};
  // The size on screen does not depend on the screen's ratio: only the sharpness does.
  QSize logique = (QSizeF(image.size()) / image.devicePixelRatio()).toSize();
  if (logique.width() > box.width() || logique.height() > box.height()) {
    logique = logique.scaled(box, Qt::KeepAspectRatio);
  }
  const QSize pixels = (QSizeF(logique.expandedTo(QSize(1, 1))) * ratio).toSize();
  QPixmap pixmap = QPixmap::fromImage(
      image.size() == pixels ? image
                             : image.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

std::string PictureLoader::jpeg(const QImage& image) {
  if (image.isNull()) return {};
  // JPEG has no transparency: what was transparent becomes white, not black.
  QImage opaque(image.size(), QImage::Format_RGB32);
  opaque.fill(Qt::white);
  QPainter(&opaque).drawImage(0, 0, image);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !opaque.save(&buffer, "JPG", kQualiteJpeg)) return {};
  return bytes.toStdString();
}

}  // namespace sylvenor
