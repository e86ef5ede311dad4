#pragma once

#include <QDialog>
#include <QPixmap>

namespace sylvenor {

// The about box; a click on its picture closes it.
class FrmAPropos : public QDialog {
  Q_OBJECT

 public:
  FrmAPropos(const QPixmap& picture, QWidget* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace sylvenor
