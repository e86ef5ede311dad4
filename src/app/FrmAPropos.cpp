#include "app/FrmAPropos.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

#include "app/APropos.h"

namespace sylvenor {

FrmAPropos::FrmAPropos(const QPixmap& picture, QWidget* parent) : QDialog(parent) {
  setObjectName("FrmAPropos");
  setWindowTitle("A propos de Sylvenor");
  auto* layout = new QHBoxLayout(this);
  auto* image = new QLabel(this);
  image->setObjectName("Image1");
  image->setPixmap(picture);
  image->setToolTip("Cliquer pour fermer");
  image->setAccessibleName("Fermer");
  image->setCursor(Qt::PointingHandCursor);
  image->setMinimumSize(64, 64);  // something to click even without its picture
  image->setAlignment(Qt::AlignTop);
  image->installEventFilter(this);
  auto* texte = new QLabel(QString::fromStdString(APropos::texte()), this);
  texte->setObjectName("Label1");
  texte->setTextFormat(Qt::PlainText);
  texte->setWordWrap(true);
  texte->setTextInteractionFlags(Qt::TextSelectableByMouse);
  texte->setMinimumWidth(420);
  layout->addWidget(image);
  layout->addWidget(texte, 1);
}

bool FrmAPropos::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && watched->objectName() == "Image1") {
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace sylvenor
