#include "browse/Form4.h"

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTest>

#include "app/FrmTemp.h"
#include "support/ModalDriver.h"
#include "support/WindowTest.h"

namespace sylvenor {
namespace {

std::string padded(const std::string& text, std::size_t width) {
  std::size_t length = 0;
  for (const unsigned char c : text) length += (c & 0xC0) != 0x80;
  return text + std::string(width - length, ' ');
}

QString trimmed(const QString& text) {
  QString copy = text;
  while (copy.endsWith(' ')) copy.chop(1);
  return copy;
}

class Form4Test : public test::WindowTest {
 protected:
  ~Form4Test() override { delete form_; }

  void ajouter(const std::string& nom, std::int16_t vegetal) {
    FicheEspece fiche;
    fiche.Nom = padded(nom, 50);
    fiche.Vegetal = vegetal;
    for (std::size_t i = 0; i < fiche.Info.size(); ++i) {
      fiche.Info[i] = padded(nom + " " + std::to_string(i), 35);
    }
    EXPECT_TRUE(programme().base().ajouter(fiche));
  }
  // A JPEG picture of that size in the installation's data folder.
  void photo(const std::string& name, int width, int height) {
    std::filesystem::create_directories(dossier_ / "data");
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 40));
    EXPECT_TRUE(image.save(QString::fromStdString((dossier_ / "data" / name).string()), "JPG"));
  }
  void fichierIlisible(const std::string& name) {
    std::filesystem::create_directories(dossier_ / "data");
    test::TempDir::writeFile(dossier_ / "data" / name, "ce n'est pas une photo");
  }

  Form4& ouvrir() {
    delete form_;
    form_ = new Form4(programme(), pictures_, [this](std::int16_t n) { classes_.push_back(n); });
    form_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_));
    return *form_;
  }
  void clic(const char* name) { click(*form_, name); }
  QString texte(const char* name) { return child<QLabel>(*form_, name)->text(); }
  bool visible(const char* name) { return child<QWidget>(*form_, name)->isVisible(); }
  bool actif(const char* name) { return child<QWidget>(*form_, name)->isEnabled(); }
  QSize image() { return child<QLabel>(*form_, "ImgEspece")->pixmap().size(); }
  QListWidget& liste() { return *child<QListWidget>(*form_, "ListEsp"); }

  QStringList noms() {
    QStringList found;
    for (int row = 0; row < liste().count(); ++row) found << trimmed(liste().item(row)->text());
    return found;
  }
  // Clicks the line of the list that names this species, as the pupil does.
  void choisir(const QString& nom) {
    for (int row = 0; row < liste().count(); ++row) {
      QListWidgetItem* item = liste().item(row);
      if (trimmed(item->text()) != nom) continue;
      liste().scrollToItem(item);
      QTest::mouseClick(liste().viewport(), Qt::LeftButton, Qt::NoModifier,
                        liste().visualItemRect(item).center());
      return;
    }
    ADD_FAILURE() << "not listed: " << nom.toStdString();
  }

  test::ModalDriver modals_;
  FrmTemp pictures_{dossier_.path()};
  QPointer<Form4> form_;
  std::vector<std::int16_t> classes_;
};

TEST_F(Form4Test, AnEmptyBaseListsNothingAndOffersNothingToClassify) {
  ouvrir();
  EXPECT_EQ(form_->windowTitle(), "Fichier du Vivant");
  EXPECT_EQ(texte("LblNbEsp"), "0 espèces trouvées.");
  EXPECT_EQ(liste().count(), 0);
  EXPECT_FALSE(visible("IcoLoupe"));
  EXPECT_FALSE(actif("BtnGo"));
  clic("BtnGo");
  EXPECT_TRUE(classes_.empty());
  EXPECT_FALSE(child<QAbstractButton>(*form_, "BtnQuit")->accessibleName().isEmpty());
}

TEST_F(Form4Test, NamesAreInFrenchOrderAndEachChoiceListsItsKingdom) {
  ajouter("Escargot", 0);
  ajouter("Orme", -1);
  ajouter("Écureuil", 0);
  ajouter("Œillet", -1);
  ajouter("Chêne", -1);
  ajouter("Ecrevisse", 0);
  ajouter("Être inconnu", 5);
  ajouter("Oeuf de pie", 0);
  ouvrir();
  EXPECT_EQ(noms(), (QStringList{"Chêne", "Ecrevisse", "Écureuil", "Escargot", "Être inconnu",
                                 "Œillet", "Oeuf de pie", "Orme"}));
  EXPECT_EQ(texte("LblNbEsp"), "8 espèces trouvées.");

  clic("OptType(1)");
  EXPECT_EQ(noms(), (QStringList{"Ecrevisse", "Écureuil", "Escargot", "Oeuf de pie"}));
  EXPECT_EQ(texte("LblNbEsp"), "4 espèces trouvées.");
  clic("OptType(2)");
  EXPECT_EQ(noms(), (QStringList{"Chêne", "Œillet", "Orme"}));
  EXPECT_EQ(texte("LblNbEsp"), "3 espèces trouvées.");
  clic("OptType(0)");
  EXPECT_EQ(liste().count(), 8);
  choisir("Œillet");
  EXPECT_EQ(texte("LblNom"), QString::fromStdString("  " + padded("Œillet", 50)));
}

TEST_F(Form4Test, ChoosingASpeciesShowsItsPhotographNameAndCard) {
  ajouter("Renard roux", 0);
  ajouter("Chêne", -1);
  ajouter("Ours", 0);
  photo("1.jpg", 120, 90);
  photo("1grand.jpg", 300, 200);
  photo("0.jpg", 100, 100);
  photo("3.jpg", 1280, 480);
  ouvrir();
  form_->afficherGroupe("Cet animal est un Mammifère.");

  choisir("Renard roux");
  EXPECT_EQ(texte("LblGroupe"), "");
  EXPECT_EQ(texte("LblNom"), QString::fromStdString("  " + padded("Renard roux", 50)));
  EXPECT_EQ(texte("LblInfo(0)"),
            QString::fromStdString("MILIEU DE VIE: " + padded("Renard roux 0", 35)));
  EXPECT_EQ(texte("LblInfo(5)"),
            QString::fromStdString("RESPIRATION: " + padded("Renard roux 5", 35)));
  EXPECT_EQ(image(), QSize(120, 90));
  EXPECT_TRUE(visible("IcoLoupe"));
  EXPECT_TRUE(actif("BtnGo"));

  choisir("Chêne");
  EXPECT_EQ(texte("LblInfo(0)"), QString::fromStdString("FLEURS: " + padded("Chêne 0", 35)));
  EXPECT_EQ(texte("LblInfo(4)"), QString::fromStdString("LIEU DE VIE: " + padded("Chêne 4", 35)));
  EXPECT_EQ(texte("LblInfo(5)"), QString::fromStdString("Autres infos: " + padded("Chêne 5", 35)));
  EXPECT_EQ(image(), QSize(100, 100));  // the placeholder
  EXPECT_FALSE(visible("IcoLoupe"));

  // A photograph too large for its frame is shrunk into it, in proportion.
  QTest::keyClick(&liste(), Qt::Key_Down);
  EXPECT_EQ(trimmed(texte("LblNom")), "  Ours");
  const QRect cadre = child<QLabel>(*form_, "ImgEspece")->contentsRect();
  EXPECT_EQ(image().width(), cadre.width());
  EXPECT_EQ(image().height(), cadre.width() * 480 / 1280);
}

TEST_F(Form4Test, UnreadablePicturesLeaveAnEmptyPictureAndTheBrowserOpen) {
  ajouter("Renard roux", 0);
  ajouter("Chêne", -1);
  fichierIlisible("1.jpg");
  ouvrir();
  choisir("Renard roux");
  EXPECT_TRUE(image().isEmpty());  // neither the photograph nor the placeholder
  photo("0.jpg", 100, 100);
  choisir("Chêne");
  choisir("Renard roux");
  EXPECT_EQ(image(), QSize(100, 100));  // an unreadable photograph gives the placeholder
  fichierIlisible("0.jpg");
  choisir("Chêne");
  EXPECT_TRUE(image().isEmpty());
  EXPECT_EQ(trimmed(texte("LblNom")), "  Chêne");
  EXPECT_TRUE(form_->isVisible());
}

TEST_F(Form4Test, TheMagnifierShowsTheEnlargedPhotographAndLeavesTheExerciseAlone) {
  ajouter("Renard roux", 0);
  ajouter("Chêne", -1);
  photo("1grand.jpg", 300, 200);
  fichierIlisible("2grand.jpg");
  programme().exercice().nouvelEleve("Léa");
  programme().exercice().especeSuivante(2);
  QStringList legendes;
  QStringList tags;
  QList<QSize> tailles;
  modals_.avant = [&](QWidget& window) {
    legendes << window.findChild<QLabel*>("Label1")->text();
    tags << window.findChild<QLabel*>("ImgAide")->toolTip();
    tailles << window.findChild<QLabel*>("ImgAide")->pixmap().size();
    return false;
  };
  ouvrir();
  choisir("Renard roux");
  clic("IcoLoupe");
  choisir("Chêne");
  clic("IcoLoupe");
  EXPECT_EQ(modals_.vus, (QStringList{"FrmImageAide", "FrmImageAide"}));
  EXPECT_EQ(legendes, (QStringList{"", ""}));
  EXPECT_EQ(tags, (QStringList{QString::fromStdString(padded("Renard roux", 50)),
                               QString::fromStdString(padded("Chêne", 50))}));
  EXPECT_EQ(tailles, (QList<QSize>{QSize(300, 200), QSize(0, 0)}));
  EXPECT_EQ(programme().exercice().EspeceCourante, 2);
  EXPECT_EQ(programme().exercice().RangEspece, 1);
  EXPECT_TRUE(form_->isVisible());
}

TEST_F(Form4Test, ClassifyingSendsTheChosenSpeciesAndKeepsTheBrowserOpen) {
  ajouter("Renard roux", 0);
  ajouter("Chêne", -1);
  ajouter("Blaireau", 0);
  ouvrir();
  EXPECT_FALSE(actif("BtnGo"));
  choisir("Chêne");
  clic("BtnGo");
  choisir("Blaireau");
  clic("BtnGo");
  EXPECT_EQ(classes_, (std::vector<std::int16_t>{2, 3}));
  EXPECT_TRUE(form_->isVisible());
  EXPECT_EQ(programme().exercice().EspeceCourante, 0);
  EXPECT_FALSE(std::filesystem::exists(dossier_ / "data"));

  form_->afficherGroupe("Cette plante est une Angiosperme.");
  EXPECT_EQ(texte("LblGroupe"), "Cette plante est une Angiosperme.");
  form_->rafraichir();  // the same species stays shown with its group
  EXPECT_EQ(texte("LblGroupe"), "Cette plante est une Angiosperme.");
  EXPECT_EQ(trimmed(texte("LblNom")), "  Blaireau");
  choisir("Renard roux");
  EXPECT_EQ(texte("LblGroupe"), "");
}

TEST_F(Form4Test, TheListFollowsTheBaseEachTimeTheBrowserIsShown) {
  ajouter("Renard roux", 0);
  ajouter("Chêne", -1);
  ouvrir();
  clic("OptType(1)");
  choisir("Renard roux");
  form_->hide();
  ajouter("Blaireau", 0);
  ajouter("Lierre", -1);
  form_->show();
  EXPECT_EQ(noms(), (QStringList{"Blaireau", "Renard roux"}));
  EXPECT_EQ(texte("LblNbEsp"), "2 espèces trouvées.");
  ASSERT_EQ(liste().selectedItems().size(), 1);
  EXPECT_EQ(trimmed(liste().selectedItems().first()->text()), "Renard roux");
  EXPECT_TRUE(actif("BtnGo"));

  // The species shown has left the base: nothing is chosen any more.
  form_->hide();
  programme().base().fiche(1).Nom = padded("Renarde", 50);
  form_->show();
  EXPECT_EQ(noms(), (QStringList{"Blaireau", "Renarde"}));
  EXPECT_TRUE(liste().selectedItems().isEmpty());
  EXPECT_EQ(texte("LblNom"), "");
  EXPECT_FALSE(actif("BtnGo"));
}

TEST_F(Form4Test, ASpeciesGoneFromTheOpenBrowserIsNeverSentOrShown) {
  ajouter("Renard roux", 0);
  ajouter("Chêne", -1);
  ajouter("Blaireau", 0);
  ouvrir();
  choisir("Blaireau");
  programme().base().setNbFiches(2);
  clic("BtnGo");
  EXPECT_TRUE(classes_.empty());
  EXPECT_FALSE(actif("BtnGo"));
  EXPECT_EQ(noms(), (QStringList{"Chêne", "Renard roux"}));

  // A line of a list older than the base shows nothing, and the list is then rebuilt.
  programme().base().setNbFiches(1);
  choisir("Chêne");
  EXPECT_EQ(texte("LblNom"), "");
  EXPECT_FALSE(actif("BtnGo"));
  EXPECT_TRUE(QTest::qWaitFor([this] { return liste().count() == 1; }));
  EXPECT_EQ(texte("LblNbEsp"), "1 espèces trouvées.");
}

TEST_F(Form4Test, QuittingClosesAndUnloadsTheBrowser) {
  ouvrir();
  clic("BtnQuit");
  EXPECT_TRUE(QTest::qWaitFor([this] { return form_.isNull(); }));
}

}  // namespace
}  // namespace sylvenor
