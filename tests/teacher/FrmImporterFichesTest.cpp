#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QApplication>
#include <QFileSystemModel>
#include <QListWidget>
#include <QTimer>
#include <QTreeView>
#include <functional>

#include "teacher/TeacherScreenTest.h"

namespace sylvenor::test {
namespace {

class FrmImporterFichesTest : public TeacherScreenTest {
 protected:
  FrmImporterFichesTest() : TeacherScreenTest(4) { click(prof(), "CmdAjout"); }

  // Clicks the teacher screen's button, works the exchange window it opens, then quits it.
  QStringList echanger(const QString& bouton, const std::function<void(QWidget&)>& travail) {
    bool vue = false;
    QTimer::singleShot(0, [&] {
      QWidget* fenetre = QApplication::activeModalWidget();
      if (fenetre == nullptr || fenetre->objectName() != "FrmImporterFiches") return;
      vue = true;
      travail(*fenetre);
      click(*fenetre, "Command1");
    });
    const QStringList messages = clickAnswering(bouton, {});
    EXPECT_TRUE(vue);
    return messages;
  }
  static void choisir(QWidget& fenetre, const std::filesystem::path& dossier) {
    auto* arbre = fenetre.findChild<QTreeView*>("Dir1");
    auto* modele = qobject_cast<QFileSystemModel*>(arbre->model());
    arbre->setCurrentIndex(modele->index(QString::fromStdString(dossier.string())));
  }
  static QListWidget* liste(QWidget& fenetre) {
    return fenetre.findChild<QListWidget*>("ListEspeces");
  }
  static int cochees(QWidget& fenetre) {
    int nombre = 0;
    for (int i = 0; i < liste(fenetre)->count(); ++i) {
      nombre += liste(fenetre)->item(i)->checkState() == Qt::Checked ? 1 : 0;
    }
    return nombre;
  }

  TempDir paquet_;
};

TEST_F(FrmImporterFichesTest, ATeacherExportsCardsAndImportsThemBack) {
  const QStringList export_ = echanger("BtnExporter", [this](QWidget& fenetre) {
    EXPECT_FALSE(fenetre.findChild<QWidget*>("BtnNewfiches")->isVisible());
    ASSERT_EQ(liste(fenetre)->count(), 4);
    EXPECT_TRUE(liste(fenetre)->item(1)->text().startsWith(" 2- Espèce 2  "));
    click(fenetre, "BtnImportSelect");
    choisir(fenetre, paquet_.path());
    click(fenetre, "BtnSelectAll");
    click(fenetre, "BtnImportSelect");
    EXPECT_EQ(cochees(fenetre), 0);
  });
  EXPECT_EQ(export_, (QStringList{"Attention|Selectionnez les espèces à importer\nen cochant les "
                                  "cases.",
                                  "Information|fin de traitement des données"}));
  EXPECT_EQ(TempDir::readFile(paquet_ / "Sylvenor.base").size(), 4u * 266);
  EXPECT_EQ(TempDir::readFile(paquet_ / "3.jpg"), "photo Espèce 3");

  const QStringList import = echanger("BtnImporter", [this](QWidget& fenetre) {
    EXPECT_FALSE(fenetre.findChild<QWidget*>("Frame1")->isVisible());
    choisir(fenetre, dossier_.path());
    EXPECT_FALSE(fenetre.findChild<QWidget*>("Frame1")->isVisible());
    choisir(fenetre, paquet_.path());
    EXPECT_TRUE(fenetre.findChild<QWidget*>("Frame1")->isVisible());
    EXPECT_EQ(fenetre.findChild<QLabel*>("LblNbFiches")->text(), "4 fiches à importer.");
    click(fenetre, "BtnNewfiches");
    EXPECT_EQ(cochees(fenetre), 0);  // every name is in the base already
    liste(fenetre)->item(2)->setCheckState(Qt::Checked);
    liste(fenetre)->item(0)->setCheckState(Qt::Checked);
    click(fenetre, "BtnImportSelect");
  });
  EXPECT_EQ(import, QStringList{"Information|fin de traitement des données"});
  EXPECT_EQ(programme().base().NbFiches(), 6);
  EXPECT_EQ(text("LblNbFiches"), "6");
  EXPECT_EQ(baseFile().size(), 6u * 266);
  EXPECT_EQ(picture("5.jpg"), "photo Espèce 1");
  EXPECT_EQ(picture("6.jpg"), "photo Espèce 3");
  EXPECT_EQ(picture("6grand.jpg"), "grande Espèce 3");
  EXPECT_EQ(text("LblNumFiche"), "006");
}

// While the teacher reads a message, no pupil's start waits behind the data folder's lock.
TEST_F(FrmImporterFichesTest, NoLockIsHeldWhileAMessageWaitsForTheTeacher) {
  echanger("BtnExporter", [this](QWidget& fenetre) {
    choisir(fenetre, paquet_.path());
    click(fenetre, "BtnSelectAll");
    click(fenetre, "BtnImportSelect");
  });
  std::filesystem::remove(paquet_ / "2.jpg");
  std::vector<bool> libre;
  MessageAnswers reponses;
  reponses.avant = [this, &libre](QMessageBox&) {
    const int fd = ::open((dossier_ / "data" / ".verrou").c_str(), O_RDONLY | O_CLOEXEC);
    libre.push_back(fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0);
    if (fd >= 0) ::close(fd);
  };
  echanger("BtnImporter", [this](QWidget& fenetre) {
    choisir(fenetre, paquet_.path());
    liste(fenetre)->item(1)->setCheckState(Qt::Checked);
    click(fenetre, "BtnImportSelect");
  });
  EXPECT_EQ(reponses.vus.value(0),
            "Information|Il n'y a pas de photo pour \n\nEspèce 2" + QString(42, ' ') + ".");
  EXPECT_EQ(libre, (std::vector<bool>{true, true}));
}

}  // namespace
}  // namespace sylvenor::test
