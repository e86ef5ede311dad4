#pragma once

#include <QLabel>
#include <QLineEdit>
#include <memory>

#include "app/FrmTemp.h"
#include "support/MessageAnswers.h"
#include "support/WindowTest.h"
#include "teacher/FrmProf.h"

namespace sylvenor::test {

// The teacher screen, shown and active, on an installation of `count` species.
class TeacherScreenTest : public WindowTest {
 protected:
  explicit TeacherScreenTest(int count = 12);

  FrmProf& prof() { return *prof_; }
  void reload(int count);
  QString text(const QString& name) { return child<QLabel>(prof(), name)->text(); }
  QLineEdit* line(const QString& name) { return child<QLineEdit>(prof(), name); }
  bool visible(const QString& name) { return child<QWidget>(prof(), name)->isVisible(); }
  bool enabled(const QString& name) { return child<QWidget>(prof(), name)->isEnabled(); }
  // Clicks with the answers given to the message boxes it brings, and returns what they said.
  QStringList clickAnswering(const QString& name, std::deque<QMessageBox::StandardButton> answers);
  // Clicks into a line, as the teacher does; then replaces what it holds.
  void enter(const QString& name);
  void type(const QString& name, const QString& typed);
  std::string baseFile() const;
  std::string picture(const std::string& file) const;

 private:
  std::unique_ptr<FrmTemp> pictures_;
  std::unique_ptr<FrmProf> prof_;
};

}  // namespace sylvenor::test
