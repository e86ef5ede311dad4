#pragma once

#include <QDialog>
#include <QImage>
#include <filesystem>

class QLabel;
class QPushButton;

namespace sylvenor {

// The picture viewer: one picture under a caption, in a modal window that fits itself to the
// picture each time it is shown, within the screen.
class FrmImageAide : public QDialog {
  Q_OBJECT

 public:
  // The empty picture area shown when the file cannot be read, in pixels.
  static constexpr QSize kImageAbsente{240, 180};

  explicit FrmImageAide(QWidget* parent = nullptr);

  // A file that cannot be read shows `remplacement`; when that cannot be read either, an empty
  // picture area.
  void chargerImage(const std::filesystem::path& file,
                    const std::filesystem::path& remplacement = {});
  void setLegende(const QString& legende);
  // The species' name, shown as the picture's tooltip.
  void setTag(const QString& tag);

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Form_Activate();
  void disposer();
  void Command1_Click();

  QLabel* label1_ = nullptr;
  QLabel* imgAide_ = nullptr;
  QPushButton* command1_ = nullptr;
  QImage image_;
  QString tag_;
};

}  // namespace sylvenor
