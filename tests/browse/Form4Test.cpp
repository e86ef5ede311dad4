#include "browse/Form4.h"

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

// Blank-padded to that many characters, as the base stores its fields.
std::string padded(const std::string& text, std::size_t width) {
  std::size_t length = 0;
  for (const unsigned char c : text) length += (c & 0xC0) != 0x80;
  return text + std::string(width - length, ' ');
}

QString nomAffiche(const std::string& nom) {
  return QString::fromStdString("  " + padded(nom, 50));
}

// A card line as shown: its heading, then the field as the base stores it.
QString ligne(const std::string& rubrique, const std::string& nom, int rang) {
  return QString::fromStdString(rubrique + padded(nom + " " + std::to_string(rang), 35));
}

class Form4Test : public test::WindowTest {
 protected:
  ~Form4Test() override { delete form_; }

  // Numbered in this order; the card fields hold the species' name and their rank.
  void ajouter(std::initializer_list<std::pair<std::string, std::int16_t>> especes) {
    for (const auto& [nom, vegetal] : especes) {
      FicheEspece fiche;
      fiche.Nom = padded(nom, 50);
      fiche.Vegetal = vegetal;
      for (std::size_t i = 0; i < fiche.Info.size(); ++i) {
        fiche.Info[i] = padded(nom + " " + std::to_string(i), 35);
      }
      EXPECT_TRUE(programme().base().ajouter(fiche));
    }
  }
  // A JPEG picture of that size in the installation's data folder; no size, a damaged file.
  void photo(const std::string& name, const QSize& size = {}) {
    std::filesystem::create_directories(dossier_ / "data");
    const auto file = dossier_ / "data" / name;
    if (size.isEmpty()) return test::TempDir::writeFile(file, "ce n'est pas une photo");
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 40));
    EXPECT_TRUE(image.save(QString::fromStdString(file.string()), "JPG"));
  }

  void ouvrir() {
    form_ = new Form4(programme(), pictures_, [this](std::int16_t n) { classes_.push_back(n); });
    form_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_));
  }
  void clic(const char* name) { click(*form_, name); }
  QString texte(const char* name) { return child<QLabel>(*form_, name)->text(); }
  bool visible(const char* name) { return child<QWidget>(*form_, name)->isVisible(); }
  bool actif(const char* name) { return child<QWidget>(*form_, name)->isEnabled(); }
  QSize image() { return child<QLabel>(*form_, "ImgEspece")->pixmap().size(); }
  QListWidget& liste() { return *child<QListWidget>(*form_, "ListEsp"); }

  QStringList noms() {
    QStringList found;
    for (int row = 0; row < liste().count(); ++row) found << liste().item(row)->text().trimmed();
    return found;
  }
  // Clicks the line of the list that names this species, as the pupil does.
  void choisir(const std::string& nom) {
    const auto found = liste().findItems(QString::fromStdString(padded(nom, 50)), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << nom;
    liste().scrollToItem(found[0]);
    QTest::mouseClick(liste().viewport(), Qt::LeftButton, Qt::NoModifier,
                      liste().visualItemRect(found[0]).center());
  }

  test::ModalDriver modals_;
  FrmTemp pictures_{dossier_.path()};
  QPointer<Form4> form_;
  std::vector<std::int16_t> classes_;
};

TEST_F(Form4Test, AnEmptyBaseListsNothingAndOffersNothingToClassify) {
  ouvrir();
  EXPECT_EQ(texte("LblNbEsp"), "0 espèces trouvées.");
  EXPECT_EQ(liste().count(), 0);
  EXPECT_FALSE(visible("IcoLoupe"));
  EXPECT_FALSE(actif("BtnGo"));
  clic("BtnGo");
  EXPECT_TRUE(classes_.empty());
  clic("BtnQuit");
  EXPECT_TRUE(QTest::qWaitFor([this] { return form_.isNull(); }));
}

TEST_F(Form4Test, NamesAreInFrenchOrderAndEachChoiceListsItsKingdom) {
  ajouter({{"Orme", -1}, {"Être inconnu", 5}, {"Escargot", 0}, {"Écureuil", 0}});
  const QStringList tous = {"Écureuil", "Escargot", "Être inconnu", "Orme"};
  ouvrir();
  EXPECT_EQ(noms(), tous);
  const std::pair<const char*, QStringList> choix[] = {
      {"OptType(1)", {"Écureuil", "Escargot"}}, {"OptType(2)", {"Orme"}}, {"OptType(0)", tous}};
  for (const auto& [option, attendus] : choix) {
    clic(option);
    EXPECT_EQ(noms(), attendus) << option;
    EXPECT_EQ(texte("LblNbEsp"), QString("%1 espèces trouvées.").arg(attendus.size()));
  }
}

TEST_F(Form4Test, ChoosingASpeciesShowsItsCardAndTheBestPictureThatCanBeRead) {
  ajouter({{"Renard roux", 0}, {"Chêne", -1}, {"Ours", 0}, {"Pie", 0}});
  photo("1.jpg", {120, 90});
  photo("1grand.jpg", {300, 200});
  photo("0.jpg", {100, 100});
  photo("3.jpg", {1280, 480});
  photo("4.jpg");
  ouvrir();
  form_->afficherGroupe("Cet animal est un Mammifère.");

  choisir("Renard roux");
  EXPECT_EQ(textesPeuContrastes(*form_).join(" | ").toStdString(), "");
  EXPECT_EQ(texte("LblGroupe"), "");
  EXPECT_EQ(texte("LblNom"), nomAffiche("Renard roux"));
  EXPECT_EQ(texte("LblInfo(0)"), ligne("MILIEU DE VIE: ", "Renard roux", 0));
  EXPECT_EQ(texte("LblInfo(5)"), ligne("RESPIRATION: ", "Renard roux", 5));
  EXPECT_EQ(image(), QSize(120, 90));
  EXPECT_TRUE(visible("IcoLoupe"));
  EXPECT_TRUE(actif("BtnGo"));

  choisir("Chêne");
  EXPECT_EQ(texte("LblInfo(0)"), ligne("FLEURS: ", "Chêne", 0));
  EXPECT_EQ(texte("LblInfo(4)"), ligne("LIEU DE VIE: ", "Chêne", 4));
  EXPECT_EQ(texte("LblInfo(5)"), ligne("Autres infos: ", "Chêne", 5));
  EXPECT_EQ(image(), QSize(100, 100));  // the placeholder
  EXPECT_FALSE(visible("IcoLoupe"));

  // A photograph too large for its frame is shrunk into it, in proportion.
  QTest::keyClick(&liste(), Qt::Key_Down);
  EXPECT_EQ(texte("LblNom"), nomAffiche("Ours"));
  const QRect cadre = child<QLabel>(*form_, "ImgEspece")->contentsRect();
  EXPECT_EQ(image(), QSize(cadre.width(), cadre.width() * 480 / 1280));

  // A damaged photograph gives the placeholder; a damaged placeholder, an empty picture.
  choisir("Pie");
  EXPECT_EQ(image(), QSize(100, 100));
  photo("0.jpg");
  for (const char* nom : {"Chêne", "Pie"}) {
    choisir(nom);
    EXPECT_TRUE(image().isEmpty()) << nom;
  }
  EXPECT_EQ(texte("LblNom"), nomAffiche("Pie"));
  EXPECT_TRUE(form_->isVisible());
}

// Cards come from other installations: their texts are shown as typed, never as markup.
TEST_F(Form4Test, ACardWrittenLikeMarkupShowsItsCharacters) {
  const std::string nom = "<u>Hérisson</u> <b>gras</b>";
  ajouter({{nom, 0}});
  ouvrir();
  choisir(nom);
  for (const char* name : {"LblNom", "LblInfo(0)"}) {
    auto* label = child<QLabel>(*form_, name);
    const QString affiche = label->text().trimmed();
    EXPECT_TRUE(affiche.contains("<u>Hérisson</u>")) << name;
    EXPECT_GE(label->sizeHint().width(), label->fontMetrics().horizontalAdvance(affiche)) << name;
  }
}

TEST_F(Form4Test, TheMagnifierShowsTheEnlargedPhotographAndLeavesTheExerciseAlone) {
  ajouter({{"Renard roux", 0}, {"Chêne", -1}});
  photo("1grand.jpg", {300, 200});
  photo("2grand.jpg");
  programme().exercice().nouvelEleve("Léa");
  programme().exercice().especeSuivante(2);
  QStringList vus;  // caption, tooltip and picture width of each viewer
  modals_.avant = [&](QWidget& window) {
    const auto* image = window.findChild<QLabel*>("ImgAide");
    vus << window.findChild<QLabel*>("Label1")->text() + "|" + image->toolTip() + "|" +
               QString::number(image->pixmap().width());
    return false;
  };
  ouvrir();
  for (const char* nom : {"Renard roux", "Chêne"}) {
    choisir(nom);
    clic("IcoLoupe");
  }
  EXPECT_EQ(modals_.vus, (QStringList{"FrmImageAide", "FrmImageAide"}));
  EXPECT_EQ(vus, (QStringList{QString::fromStdString("|" + padded("Renard roux", 50) + "|300"),
                              QString::fromStdString("|" + padded("Chêne", 50) + "|0")}));
  EXPECT_EQ(programme().exercice().especeCourante(), 2);
  EXPECT_EQ(programme().exercice().rangEspece(), 1);
  EXPECT_TRUE(form_->isVisible());
}

TEST_F(Form4Test, ClassifyingSendsTheChosenSpeciesAndKeepsTheBrowserOpen) {
  ajouter({{"Renard roux", 0}, {"Chêne", -1}, {"Blaireau", 0}});
  ouvrir();
  for (const char* nom : {"Chêne", "Blaireau"}) {
    choisir(nom);
    clic("BtnGo");
  }
  EXPECT_EQ(classes_, (std::vector<std::int16_t>{2, 3}));
  EXPECT_TRUE(form_->isVisible());
  EXPECT_EQ(programme().exercice().especeCourante(), 0);
  EXPECT_FALSE(std::filesystem::exists(dossier_ / "data"));

  form_->afficherGroupe("Cet animal est un Mustélidé.");
  form_->rafraichir();  // the same species stays shown with its group
  EXPECT_EQ(texte("LblGroupe"), "Cet animal est un Mustélidé.");
  EXPECT_EQ(texte("LblNom"), nomAffiche("Blaireau"));
  choisir("Renard roux");
  EXPECT_EQ(texte("LblGroupe"), "");
  // From the keyboard: Enter on the species classifies it, Escape closes the browser.
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_));
  child<QListWidget>(*form_, "ListEsp")->setFocus();
  QTest::keyClick(child<QListWidget>(*form_, "ListEsp"), Qt::Key_Return);
  EXPECT_EQ(classes_, (std::vector<std::int16_t>{2, 3, 1}));
  QTest::keyClick(form_, Qt::Key_Escape);
  EXPECT_FALSE(form_->isVisible());
}

TEST_F(Form4Test, TheListFollowsTheBaseEachTimeTheBrowserIsShown) {
  ajouter({{"Renard roux", 0}, {"Chêne", -1}});
  ouvrir();
  clic("OptType(1)");
  choisir("Renard roux");
  form_->hide();
  ajouter({{"Blaireau", 0}, {"Lierre", -1}});
  form_->show();
  EXPECT_EQ(noms(), (QStringList{"Blaireau", "Renard roux"}));
  EXPECT_EQ(texte("LblNbEsp"), "2 espèces trouvées.");
  ASSERT_EQ(liste().selectedItems().size(), 1);
  EXPECT_EQ(liste().selectedItems().first()->text().trimmed(), "Renard roux");
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
  ajouter({{"Renard roux", 0}, {"Chêne", -1}, {"Blaireau", 0}});
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

}  // namespace
}  // namespace sylvenor
