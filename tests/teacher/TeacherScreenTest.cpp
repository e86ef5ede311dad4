#include "teacher/TeacherScreenTest.h"

#include <QTest>

#include "support/SpeciesInstallation.h"

namespace sylvenor::test {

TeacherScreenTest::TeacherScreenTest(int count) {
  setSetting("Paramètres", "DejaVu", "True");
  reload(count);
}

void TeacherScreenTest::reload(int count) {
  prof_.reset();
  SpeciesInstallation::write(dossier_.path(), count);
  programme().base().ChargerBase(fichiers_, dossier_.path());
  pictures_ = std::make_unique<FrmTemp>(dossier_.path());
  prof_ = std::make_unique<FrmProf>(programme(), *pictures_);
  prof_->show();
  prof_->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(prof_.get()));
}

QStringList TeacherScreenTest::clickAnswering(const QString& name,
                                              std::deque<QMessageBox::StandardButton> answers) {
  MessageAnswers replies(std::move(answers));
  click(prof(), name);
  return replies.vus;
}

void TeacherScreenTest::enter(const QString& name) {
  QTest::mouseClick(line(name), Qt::LeftButton);
}

void TeacherScreenTest::type(const QString& name, const QString& typed) {
  enter(name);
  line(name)->selectAll();
  line(name)->insert(typed);
}

std::string TeacherScreenTest::baseFile() const {
  return TempDir::readFile(BaseEspeces::cheminBase(dossier_.path()));
}

std::string TeacherScreenTest::picture(const std::string& file) const {
  return TempDir::readFile(dossier_ / "data" / file);
}

}  // namespace sylvenor::test
