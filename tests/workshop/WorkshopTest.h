#pragma once

#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <memory>

#include "app/FrmTemp.h"
#include "support/MessageAnswers.h"
#include "support/WindowTest.h"
#include "teacher/FrmProf.h"
#include "workshop/FrmCreer.h"

namespace sylvenor::test {

// The workshop board of the pupil "Léa", on an installation whose four workshop pictures are
// told apart by their colour.
class WorkshopTest : public WindowTest {
 protected:
  WorkshopTest();
  ~WorkshopTest() override;

  FrmCreer& ouvrir();
  FrmCreer& plateau() { return *plateau_; }
  void option(const char* name) { child<QRadioButton>(*prof_, name)->setChecked(true); }
  QPlainTextEdit* boite(const char* name) { return child<QPlainTextEdit>(plateau(), name); }
  QWidget* widget(QWidget& window, const QString& name) { return child<QWidget>(window, name); }
  // Drags the picture by a number of pixels with the left button, through real mouse events.
  void glisser(int image, QPoint deplacement);
  void deposerDans(int image, int boite);
  // Each picture into the box of the same letter.
  void placerToutes();
  QStringList cliquerEnRepondant(QWidget& window, const QString& name);

 private:
  std::unique_ptr<FrmTemp> images_;
  std::unique_ptr<FrmProf> prof_;
  QWidget accueil_;
  QPointer<FrmCreer> plateau_;
};

}  // namespace sylvenor::test
