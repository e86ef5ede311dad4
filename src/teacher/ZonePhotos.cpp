#include "teacher/ZonePhotos.h"

#include <QBoxLayout>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "app/FrenchMessageBox.h"
#include "app/Programme.h"
#include "platform/PictureLoader.h"

namespace sylvenor {
namespace {

using Sorte = PhotosFiche::Sorte;

constexpr QSize kPhoto{240, 180};
constexpr QSize kApercuAgrandie{120, 90};
// Sharp in the keys at twice the usual screen ratio, and in the magnifier on a large screen.
constexpr std::array<int, 2> kCotes = {640, 1600};

constexpr std::size_t indice(Sorte sorte) { return static_cast<std::size_t>(sorte); }

QLabel* cadre(const QString& name, QSize size, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFixedSize(size);
  label->setAlignment(Qt::AlignCenter);
  label->setFrameShape(QFrame::Box);
  return label;
}

}  // namespace

ZonePhotos::ZonePhotos(Programme& programme, std::function<void(FileError)> signaler,
                       QWidget* parent)
    : QWidget(parent),
      programme_(programme),
      photos_(programme.fichiers(), programme.dossier()),
      signaler_(std::move(signaler)) {
  imgEsp_ = cadre("ImgEsp", kPhoto, this);
  imgEsp_->setAccessibleName("Photo de l'espèce");
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(imgEsp_, 0, Qt::AlignTop);
  layout->addWidget(construireBoutons(), 0, Qt::AlignTop);
  layout->addStretch();
}

QWidget* ZonePhotos::construireBoutons() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  imgEspGrande_ = cadre("ImgEspGrande", kApercuAgrandie, column);
  imgEspGrande_->setAccessibleName("Photo agrandie de l'espèce");
  imgEspGrande_->setToolTip("La photo agrandie, que la loupe montre");
  choisir_[indice(Sorte::Photo)] = bouton("BtnChoisirPhoto", "Choisir la photo...");
  retirer_[indice(Sorte::Photo)] = bouton("BtnRetirerPhoto", "Retirer la photo");
  choisir_[indice(Sorte::Agrandie)] = bouton("BtnChoisirGrande", "Choisir la photo agrandie...");
  retirer_[indice(Sorte::Agrandie)] = bouton("BtnRetirerGrande", "Retirer la photo agrandie");
  layout->addWidget(imgEspGrande_);
  for (const Sorte sorte : {Sorte::Photo, Sorte::Agrandie}) {
    connect(choisir_[indice(sorte)], &QPushButton::clicked, this,
            [this, sorte] { choisir(sorte); });
    connect(retirer_[indice(sorte)], &QPushButton::clicked, this,
            [this, sorte] { retirer(sorte); });
    layout->addWidget(choisir_[indice(sorte)]);
    layout->addWidget(retirer_[indice(sorte)]);
  }
  return column;
}

QPushButton* ZonePhotos::bouton(const QString& name, const QString& text) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(name);
  return button;
}

void ZonePhotos::montrer(std::int16_t n, bool nouvelle) {
  numero_ = n;
  nouvelle_ = nouvelle;
  afficher(Sorte::Photo);
  afficher(Sorte::Agrandie);
}

void ZonePhotos::oublier() { photos_.oublierAttente(); }

FileError ZonePhotos::enregistrer(std::int16_t n) {
  const FileError erreur = photos_.ecrireAttente(n);
  nouvelle_ = false;
  return erreur;
}

void ZonePhotos::setModifiable(bool modifiable) { modifiable_ = modifiable; }

void ZonePhotos::choisir(Sorte sorte) {
  const QString titre = sorte == Sorte::Photo ? "Choisir la photo" : "Choisir la photo agrandie";
  const QString chosen = QFileDialog::getOpenFileName(
      this, titre, dossier_, "Photos (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)", nullptr,
      QFileDialog::DontUseNativeDialog);
  if (chosen.isEmpty()) return;
  // The enlarged photograph is usually beside the photograph.
  dossier_ = QFileInfo(chosen).absolutePath();
  const int cote = kCotes.at(indice(sorte));
  const QImage photo = PictureLoader::lire(QFile::encodeName(chosen).toStdString(), {cote, cote});
  if (photo.isNull()) {
    FrenchMessageBox::avertir(this, "Attention",
                              "Ce fichier n'est pas une photo que Sylvenor sait lire.\n"
                              "Choisissez une photo JPEG ou PNG.");
    return;
  }
  const FileError erreur = photos_.poser(numero_, sorte, PictureLoader::jpeg(photo), nouvelle_);
  if (erreur != FileError::Aucune) signaler_(erreur);
  afficher(sorte);
}

void ZonePhotos::retirer(Sorte sorte) {
  const QString question = sorte == Sorte::Photo
                               ? "Voulez-vous retirer la photo de cette fiche ?"
                               : "Voulez-vous retirer la photo agrandie de cette fiche ?";
  if (FrenchMessageBox::demander(this, "Attention", question, QMessageBox::Yes | QMessageBox::No) !=
      QMessageBox::Yes) {
    return;
  }
  const FileError erreur = photos_.retirer(numero_, sorte, nouvelle_);
  if (erreur != FileError::Aucune) signaler_(erreur);
  afficher(sorte);
}

// What waits for a new card comes before what the files hold.
void ZonePhotos::afficher(Sorte sorte) {
  QLabel* label = image(sorte);
  const QSize box = label->contentsRect().size();
  const PhotosFiche::Attente& attente = photos_.enAttente(sorte);
  QPixmap picture;
  if (nouvelle_ && attente) {
    picture = PictureLoader::ajuster(QImage::fromData(QByteArray::fromStdString(*attente)), box,
                                     devicePixelRatioF());
  } else if (numero_ >= 1) {
    picture =
        PictureLoader::pourAffichage(photos_.fichier(numero_, sorte), box, devicePixelRatioF());
  }
  label->setPixmap(picture);
  choisir_[indice(sorte)]->setEnabled(modifiable_ && numero_ >= 1);
  retirer_[indice(sorte)]->setEnabled(modifiable_ && numero_ >= 1 && !picture.isNull());
}

QLabel* ZonePhotos::image(Sorte sorte) const {
  return sorte == Sorte::Photo ? imgEsp_ : imgEspGrande_;
}

}  // namespace sylvenor
