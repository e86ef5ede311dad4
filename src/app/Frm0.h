#pragma once

#include <QPixmap>
#include <QWidget>

namespace sylvenor {

// The loading notice shown while the program starts; the pointer is an hourglass meanwhile.
class Frm0 : public QWidget {
  Q_OBJECT

 public:
  explicit Frm0(const QPixmap& picture);
  ~Frm0() override;

  // Says why the start waits: a teacher's change on another computer must end first.
  void attendreProfesseur();
};

}  // namespace sylvenor
