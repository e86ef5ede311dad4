#include "app/PictureButton.h"

namespace sylvenor {

PictureButton::PictureButton(const QString& name, const QPixmap& picture,
                             const QString& description, QWidget* parent)
    : QToolButton(parent) {
  setObjectName(name);
  setToolTip(description);
  setAccessibleName(description);
  setCursor(Qt::PointingHandCursor);
  if (picture.isNull()) {
    setText(description);
  } else {
    setIcon(QIcon(picture));
    setIconSize(picture.size());
  }
}

}  // namespace sylvenor
