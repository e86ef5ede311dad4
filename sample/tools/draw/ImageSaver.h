#pragma once

#include <QImage>
#include <QString>

namespace sylvenor::draw {

// Writes the pictures under the program folder, creating sub-folders on demand; any failure
// throws, because a missing picture must stop the build rather than surface later on a pupil's
// screen.
class ImageSaver {
 public:
  explicit ImageSaver(QString programDir);

  void saveJpeg(const QImage& image, const QString& relativePath) const;
  void savePng(const QImage& image, const QString& relativePath) const;

 private:
  void save(const QImage& image, const QString& relativePath, const char* format,
            int quality) const;
  void createFolderOf(const QString& path) const;

  QString programDir_;
};

}  // namespace sylvenor::draw
