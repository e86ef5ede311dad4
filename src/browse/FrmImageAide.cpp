#include "browse/FrmImageAide.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "app/Fenetre.h"
#include "platform/PictureLoader.h"
#include "platform/Twips.h"

namespace sylvenor {
namespace {

// Design measures, in twips.
constexpr int kMarge = 480;  // the picture's left and right margins together
constexpr int kHautLegende = 120;
constexpr int kHauteurLegende = 285;
constexpr int kLargeurLegende = 1455;
constexpr int kHautImage = 480;
constexpr int kLargeurBouton = 2175;
constexpr int kHauteurBouton = 495;
constexpr int kEcartBouton = 120;
constexpr int kMargeBas = 250;

// Whole pixels that hold at least this many twips.
int pixelsCouvrant(int value) { return (value + kTwipsParPixel - 1) / kTwipsParPixel; }

}  // namespace

FrmImageAide::FrmImageAide(QWidget* parent) : QDialog(parent) {
  setObjectName("FrmImageAide");
  setWindowTitle("Image");
  setModal(true);

  label1_ = new QLabel("Aide", this);
  label1_->setObjectName("Label1");
  label1_->setTextFormat(Qt::PlainText);
  label1_->setAlignment(Qt::AlignCenter);
  label1_->setStyleSheet("font-weight: bold;");

  imgAide_ = new QLabel(this);
  imgAide_->setObjectName("ImgAide");

  command1_ = new QPushButton("F E R M E R", this);
  command1_->setObjectName("Command1");
  command1_->setDefault(true);
  connect(command1_, &QPushButton::clicked, this, &FrmImageAide::Command1_Click);
}

void FrmImageAide::chargerImage(const std::filesystem::path& file,
                                const std::filesystem::path& remplacement) {
  image_ = PictureLoader::lire(file, remplacement);
}

void FrmImageAide::setLegende(const QString& legende) { label1_->setText(legende); }

void FrmImageAide::setTag(const QString& tag) { tag_ = tag; }

bool FrmImageAide::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Form_Activate();
  return QDialog::event(event);
}

// Laid out before it appears too, so the window never shows at a wrong size first.
void FrmImageAide::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Form_Activate();
  command1_->setFocus();
}

void FrmImageAide::Form_Activate() {
  disposer();
  imgAide_->setToolTip(tag_);
  Fenetre::centrer(*this);
}

void FrmImageAide::disposer() {
  const QSize place = Fenetre::tailleDansEcran(*this, QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  const QSize placeImage(place.width() - pixelsCouvrant(kMarge),
                         place.height() - pixelsCouvrant(kHautImage + kHauteurBouton + kMargeBas));
  const QPixmap picture = PictureLoader::ajuster(image_, placeImage, devicePixelRatioF());
  imgAide_->setPixmap(picture);
  const QSize shown = picture.isNull() ? kImageAbsente.boundedTo(placeImage)
                                       : picture.deviceIndependentSize().toSize();
  const int largeurImage = shown.width() * kTwipsParPixel;
  const int hauteurImage = shown.height() * kTwipsParPixel;
  const int largeurLegende =
      std::max(kLargeurLegende, label1_->sizeHint().width() * kTwipsParPixel);

  // A narrow picture still leaves room for the caption and the button, picture centred.
  const int largeur = std::max({largeurImage, largeurLegende, kLargeurBouton}) + kMarge;
  const int hauteur = kHautImage + hauteurImage + kHauteurBouton + kMargeBas;
  setFixedSize(twips(largeur), twips(hauteur));
  label1_->setGeometry(
      rectTwips((largeur - largeurLegende) / 2, kHautLegende, largeurLegende, kHauteurLegende));
  imgAide_->setGeometry(
      rectTwips((largeur - largeurImage) / 2, kHautImage, largeurImage, hauteurImage));
  command1_->setGeometry(rectTwips((largeur - kLargeurBouton) / 2,
                                   kHautImage + hauteurImage + kEcartBouton, kLargeurBouton,
                                   kHauteurBouton));
}

void FrmImageAide::Command1_Click() { accept(); }

}  // namespace sylvenor
