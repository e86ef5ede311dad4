#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

#include "results/ResultatsEleves.h"
#include "teacher/TeacherScreenTest.h"

namespace sylvenor::test {
namespace {

// Three pupils' runs as the keys keep them, the teacher screen open.
class FrmResultatsTest : public TeacherScreenTest {
 protected:
  FrmResultatsTest() {
    garder("Léa", {2026, 12, 7, 9, 5, 30}, 3, 1,
           "N°1- " + programme().base().fiche(1).Nom + "   > Oiseau\n");
    garder("Tom", {2026, 12, 8, 10, 0, 0}, 1, 2, "");
    garder("Inès", {2026, 12, 7, 11, 15, 0}, 2, 0, "");
    click(prof(), "BtnResultats");
    fenetre_ = prof().findChild<QWidget*>("FrmResultats");
  }
  void garder(const std::string& eleve, DateHeure moment, int bien, int erreurs,
              const std::string& lignes) {
    ResultatEleve r;
    r.eleve = eleve;
    r.moment = moment;
    r.debutExercice = moment;
    r.cles = "animaux";
    r.especes = bien;
    r.bien = bien;
    r.erreurs = erreurs;
    r.recap = "Récapitulatif pour " + eleve + "\n\n" + lignes;
    ASSERT_EQ(ResultatsEleves(fichiers_, dossier_.path()).enregistrer(r), FileError::Aucune);
  }
  QWidget& fenetre() { return *fenetre_; }
  QTableWidget* tableau() { return child<QTableWidget>(fenetre(), "TabResultats"); }
  QStringList colonne(int c) {
    QStringList cases;
    for (int r = 0; r < tableau()->rowCount(); ++r) cases << tableau()->item(r, c)->text();
    return cases;
  }
  void cliquerTitre(int c) {
    QHeaderView* titres = tableau()->horizontalHeader();
    QTest::mouseClick(titres->viewport(), Qt::LeftButton, {},
                      {titres->sectionViewportPosition(c) + titres->sectionSize(c) / 2, 5});
  }
  void cliquerLigne(int r, Qt::KeyboardModifiers touches = {}) {
    const QRect ligne = tableau()->visualRect(tableau()->model()->index(r, 1));
    QTest::mouseClick(tableau()->viewport(), Qt::LeftButton, touches, ligne.center());
  }
  // Clicks a button whose file dialog then gets `fichier`.
  void enregistrerSous(const char* nom, const std::filesystem::path& fichier) {
    answerNextFileDialog(fichier);
    click(fenetre(), nom);
  }

  QPointer<QWidget> fenetre_;
};

TEST_F(FrmResultatsTest, TheTeacherSortsFiltersReadsARecapAndItsPupilsReview) {
  ASSERT_TRUE(fenetre_ && fenetre().isVisible());
  EXPECT_EQ(colonne(0), (QStringList{"Tom", "Inès", "Léa"}));  // the latest first
  cliquerTitre(0);
  EXPECT_EQ(colonne(0), (QStringList{"Inès", "Léa", "Tom"}));
  cliquerTitre(0);
  EXPECT_EQ(colonne(0), (QStringList{"Tom", "Léa", "Inès"}));
  cliquerTitre(6);
  EXPECT_EQ(colonne(6), (QStringList{"33", "75", "100"}));

  auto* jour = child<QComboBox>(fenetre(), "CboJour");
  jour->setCurrentIndex(jour->findText("07/12/2026"));
  EXPECT_EQ(colonne(0), (QStringList{"Léa", "Inès"}));
  auto* eleve = child<QComboBox>(fenetre(), "CboEleve");
  eleve->setCurrentIndex(eleve->findText("Léa"));
  EXPECT_EQ(child<QLabel>(fenetre(), "LblNombre")->text(), "1 résultat");
  cliquerLigne(0);
  EXPECT_TRUE(child<QPlainTextEdit>(fenetre(), "TxtRecap")
                  ->toPlainText()
                  .startsWith("Récapitulatif pour Léa"));
  EXPECT_TRUE(
      child<QLabel>(fenetre(), "LblBilan")
          ->text()
          .startsWith("Léa :\nEspèces le plus souvent mal classées :\n- Espèce 1 (1 fois)"));
  EXPECT_EQ(textesPeuContrastes(fenetre()).join(" | ").toStdString(), "");
}

TEST_F(FrmResultatsTest, TheChosenRowsArePrintedSavedExportedAndDeleted) {
  cliquerLigne(0);
  cliquerLigne(2, Qt::ControlModifier);
  click(fenetre(), "BtnImprimer");
  EXPECT_EQ(imprimante_.steps,
            (std::vector<std::string>{"police", "texte", "page", "texte", "fin"}));
  EXPECT_TRUE(imprimante_.textes.at(1).starts_with("Récapitulatif pour Léa"));
  click(fenetre(), "OptTableau");
  enregistrerSous("BtnPdf", dossier_ / "résultats.pdf");
  EXPECT_EQ(TempDir::readFile(dossier_ / "résultats.pdf").substr(0, 5), "%PDF-");

  // Nothing chosen: every row shown goes to the spreadsheet.
  tableau()->clearSelection();
  enregistrerSous("BtnExporter", dossier_ / "classe");
  const std::string csv = TempDir::readFile(dossier_ / "classe.csv");
  EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_NE(csv.find("\r\nTom;08/12/2026;10:00:00;animaux;1;1;2;33;0\r\nInès;07/12/2026;"),
            std::string::npos);

  cliquerLigne(0);
  {
    MessageAnswers non({QMessageBox::No});
    click(fenetre(), "BtnSupprimer");
  }
  EXPECT_EQ(tableau()->rowCount(), 3);
  MessageAnswers oui({QMessageBox::Yes});
  click(fenetre(), "BtnSupprimer");
  EXPECT_EQ(oui.vus, QStringList{"Supprimer|Supprimer ce résultat ?"});
  EXPECT_EQ(colonne(0), (QStringList{"Inès", "Léa"}));
  EXPECT_EQ(ResultatsEleves(fichiers_, dossier_.path()).lire().resultats.size(), 2u);
}

}  // namespace
}  // namespace sylvenor::test
