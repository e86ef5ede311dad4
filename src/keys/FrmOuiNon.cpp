#include "keys/FrmOuiNon.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/FrmTemp.h"

namespace sylvenor {
namespace {

QLabel* hiddenPicture(const QString& name, const QPixmap& picture, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setPixmap(picture);
  label->hide();
  return label;
}

}  // namespace

FrmOuiNon::FrmOuiNon(bool juste, const FrmTemp& pictures, QWidget* parent) : QDialog(parent) {
  setObjectName("FrmOuiNon");
  setWindowTitle(juste ? "Bonne réponse" : "Mauvaise réponse");
  setModal(true);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, juste ? QColor(0, 192, 0) : QColor(192, 0, 0));
  setPalette(colours);
  const QLabel* oui = hiddenPicture("ImgOui", pictures.image("Juste"), this);
  const QLabel* non = hiddenPicture("ImgNon", pictures.image("Faux"), this);

  auto* img = new QLabel(this);
  img->setObjectName("Img");
  img->setAlignment(Qt::AlignCenter);
  img->setPixmap((juste ? oui : non)
                     ->pixmap()
                     .scaled(144, 144, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  img->setAccessibleName(juste ? "Bonne réponse" : "Mauvaise réponse");
  auto* continuer = new QPushButton("Continuer...", this);
  continuer->setObjectName("Command1");
  continuer->setDefault(true);
  connect(continuer, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(img);
  layout->addWidget(continuer, 0, Qt::AlignHCenter);
  setFixedSize(300, 240);
}

}  // namespace sylvenor
