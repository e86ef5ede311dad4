#pragma once

#include <QPixmap>
#include <QWidget>
#include <filesystem>

namespace sylvenor {

// The picture store: a window never shown, holding the button pictures that the other windows
// copy onto their buttons. A picture that is missing is an empty one.
class FrmTemp : public QWidget {
  Q_OBJECT

 public:
  explicit FrmTemp(const std::filesystem::path& programDir);

  QPixmap image(const QString& name) const;
};

}  // namespace sylvenor
