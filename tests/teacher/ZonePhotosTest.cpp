#include <QImageReader>

#include "support/TempDir.h"
#include "teacher/TeacherScreenTest.h"

namespace sylvenor {
namespace {

constexpr auto Oui = QMessageBox::Yes;
const std::filesystem::path kPhotoTelephone =
    std::filesystem::path(SYLVENOR_TEST_DATA) / "photo-telephone-orientation6.jpg";

class ZonePhotosTest : public test::TeacherScreenTest {
 protected:
  ZonePhotosTest() { click(prof(), "CmdAjout"); }

  // Clicks a "Choisir..." button and picks `file` in the file dialog, as the teacher does.
  QStringList choose(const QString& button, const std::filesystem::path& file) {
    answerNextFileDialog(file);
    return clickAnswering(button, {});
  }
  QSize shown(const QString& label) {
    return child<QLabel>(prof(), label)->pixmap().deviceIndependentSize().toSize();
  }
  // The picture as stored, without any EXIF turn: what every window shows.
  QImage stored(const std::string& name) {
    QImageReader reader(QString::fromStdString((dossier_ / "data" / name).string()));
    reader.setAutoTransform(false);
    return reader.read();
  }
};

TEST_F(ZonePhotosTest, APhonePhotoIsStoredUprightForTheCardShownAndCanBeRemoved) {
  EXPECT_TRUE(choose("BtnChoisirPhoto", kPhotoTelephone).isEmpty());
  const QImage photo = stored("12.jpg");
  ASSERT_EQ(photo.size(), QSize(32, 64));
  EXPECT_GT(photo.pixelColor(16, 4).red(), 200);
  EXPECT_EQ(shown("ImgEsp"), QSize(32, 64));

  choose("BtnChoisirGrande", kPhotoTelephone);
  EXPECT_EQ(stored("12grand.jpg").size(), QSize(32, 64));
  EXPECT_EQ(clickAnswering("BtnRetirerGrande", {Oui}),
            QStringList{"Attention|Voulez-vous retirer la photo agrandie de cette fiche ?"});
  EXPECT_FALSE(std::filesystem::exists(dossier_ / "data" / "12grand.jpg"));
  EXPECT_TRUE(shown("ImgEspGrande").isEmpty());
  EXPECT_FALSE(enabled("BtnRetirerGrande"));
}

TEST_F(ZonePhotosTest, ANewCardsPhotoIsWrittenWithItsSaveOnly) {
  click(prof(), "BtnNouveau");
  choose("BtnChoisirPhoto", kPhotoTelephone);
  EXPECT_EQ(shown("ImgEsp"), QSize(32, 64));
  EXPECT_FALSE(std::filesystem::exists(dossier_ / "data" / "13.jpg"));
  click(prof(), "BtnDetruire");
  EXPECT_FALSE(std::filesystem::exists(dossier_ / "data" / "13.jpg"));

  click(prof(), "BtnNouveau");
  EXPECT_TRUE(shown("ImgEsp").isEmpty());
  choose("BtnChoisirPhoto", kPhotoTelephone);
  type("TxtNomEspece", "Hérisson");
  click(prof(), "OptAnim(0)");
  clickAnswering("BtnEnreg", {Oui});
  EXPECT_EQ(stored("13.jpg").size(), QSize(32, 64));
}

TEST_F(ZonePhotosTest, WhatIsNoPictureOrCannotBeWrittenIsToldAndChangesNothing) {
  test::TempDir::writeFile(dossier_ / "notes.jpg", "des notes, pas une photo");
  EXPECT_EQ(choose("BtnChoisirPhoto", dossier_ / "notes.jpg"),
            QStringList{"Attention|Ce fichier n'est pas une photo que Sylvenor sait lire.\n"
                        "Choisissez une photo JPEG ou PNG."});
  fichiers_.failOn(test::FaultyFileAccess::Operation::Replace, 1);
  EXPECT_EQ(choose("BtnChoisirPhoto", kPhotoTelephone),
            QStringList{"Attention|Fichiers en lecture seule.\nTraitement impossible.\n\n"
                        "Vérifiez que le logiciel n'est pas lancé depuis un CD-ROM."});
  EXPECT_EQ(picture("12.jpg"), "photo Espèce 12");
}

}  // namespace
}  // namespace sylvenor
