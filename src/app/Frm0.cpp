#include "app/Frm0.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>

namespace sylvenor {

Frm0::Frm0(const QPixmap& picture) {
  setObjectName("Frm0");
  setWindowTitle("Sylvenor");
  setWindowFlags(Qt::SplashScreen);
  auto* layout = new QHBoxLayout(this);
  auto* image = new QLabel(this);
  image->setObjectName("Image1");
  image->setPixmap(picture);
  auto* text = new QLabel("Chargement en cours...", this);
  text->setObjectName("Label1");
  layout->addWidget(image);
  layout->addWidget(text);
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

Frm0::~Frm0() { QApplication::restoreOverrideCursor(); }

void Frm0::attendreProfesseur() {
  findChild<QLabel*>("Label1")->setText(
      "Chargement en cours...\nLe professeur modifie les fiches sur un autre poste :\n"
      "le logiciel s'ouvrira dès qu'il aura fini.");
  adjustSize();
  repaint();
  QApplication::processEvents();
}

}  // namespace sylvenor
