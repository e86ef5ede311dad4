#include "ImageSaver.h"

#include <QDir>
#include <QFileInfo>
#include <stdexcept>
#include <utility>

namespace sylvenor::draw {

namespace {
constexpr int kJpegQuality = 85;
constexpr int kPngQuality = -1;
}  // namespace

ImageSaver::ImageSaver(QString programDir) : programDir_(std::move(programDir)) {}

void ImageSaver::saveJpeg(const QImage& image, const QString& relativePath) const {
  save(image, relativePath, "JPG", kJpegQuality);
}

void ImageSaver::savePng(const QImage& image, const QString& relativePath) const {
  save(image, relativePath, "PNG", kPngQuality);
}

void ImageSaver::save(const QImage& image, const QString& relativePath, const char* format,
                      int quality) const {
  const QString path = QDir(programDir_).filePath(relativePath);
  createFolderOf(path);
  if (!image.save(path, format, quality)) {
    throw std::runtime_error("impossible d'enregistrer l'image " + path.toStdString());
  }
}

void ImageSaver::createFolderOf(const QString& path) const {
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder)) {
    throw std::runtime_error("impossible de créer le dossier " + folder.toStdString());
  }
}

}  // namespace sylvenor::draw
