#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <filesystem>
#include <string>

namespace sylvenor {

// The one way the windows read pictures. Only ordinary files are opened (a pipe would block, a
// device never ends); the picture is turned upright by its EXIF orientation, as a phone expects;
// a large picture is decoded straight at the size it will be shown, so that a camera's
// 50-megapixel photograph costs no more memory than a small one.
class PictureLoader {
 public:
  // No side above this is decoded when the caller gives no smaller box.
  static constexpr int kCoteMaximal = 4096;

  // The picture upright, reduced to fit `box` when it is larger (an empty box: kCoteMaximal). A
  // null image when the file is missing, empty, not an ordinary file, not a picture, or too large
  // to be decoded.
  static QImage lire(const std::filesystem::path& file, QSize box = {});
  // The same, with `remplacement` read instead when the file cannot be (an empty path: none).
  static QImage lire(const std::filesystem::path& file, const std::filesystem::path& remplacement,
                     QSize box = {});

  // The picture for a label of `box` logical pixels on a screen of `ratio` device pixels per
  // pixel: at its own size when it fits, reduced to fit otherwise, sharp at any ratio. When the
  // file cannot be read, `remplacement` is shown instead; when that cannot be read either (or is
  // empty), the pixmap is null and the label stays an empty frame.
  static QPixmap pourAffichage(const std::filesystem::path& file, QSize box, qreal ratio,
                               const std::filesystem::path& remplacement = {});

  // An image already read, fitted to a box the same way.
  static QPixmap ajuster(const QImage& image, QSize box, qreal ratio);

  // The picture as JPEG bytes; empty when it cannot be encoded.
  static std::string jpeg(const QImage& image);
};

}  // namespace sylvenor
