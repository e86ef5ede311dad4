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

}  // namespace sylvenor
