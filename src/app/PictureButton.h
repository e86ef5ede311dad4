#pragma once

#include <QPixmap>
#include <QToolButton>

namespace sylvenor {

// A button that shows a picture, with a French tooltip and accessible name; without its
// picture it shows that text instead, so it never becomes an invisible button.
class PictureButton : public QToolButton {
  Q_OBJECT

 public:
  PictureButton(const QString& name, const QPixmap& picture, const QString& description,
                QWidget* parent);
};

}  // namespace sylvenor
