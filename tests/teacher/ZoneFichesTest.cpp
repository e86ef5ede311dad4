#include <QAbstractButton>
#include <QComboBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "species/RecordCodec.h"
#include "support/SpeciesInstallation.h"
#include "teacher/TeacherScreenTest.h"

namespace sylvenor {
namespace {

using test::SpeciesInstallation;
constexpr auto Oui = QMessageBox::Yes;
constexpr auto Non = QMessageBox::No;
constexpr auto Annuler = QMessageBox::Cancel;

const QString kHint = "\n\nVérifiez que le logiciel n'est pas lancé depuis un CD-ROM.";
const QString kPending =
    "Attention: modifications en cours|Faut-il enregistrer les modifications en cours ?";

QString nom(int n) { return QString::fromStdString(SpeciesInstallation::name(n)); }
QString padded(int n) { return nom(n).leftJustified(50); }

class ZoneFichesTest : public test::TeacherScreenTest {
 protected:
  void open() { click(prof(), "CmdAjout"); }
  bool checked(const QString& name) { return child<QAbstractButton>(prof(), name)->isChecked(); }
  // Chooses a card in the drop-down list, as "+" then a click on the item do.
  QStringList chooseInList(int index, std::deque<QMessageBox::StandardButton> answers) {
    click(prof(), "BtnCombo");
    auto* list = child<QComboBox>(prof(), "CmbListeEsp");
    list->hidePopup();
    test::MessageAnswers replies(std::move(answers));
    emit list->activated(index);
    return replies.vus;
  }
  std::string storedName(int n) {
    const std::string bytes = baseFile();
    return RecordCodec::decode(std::string_view(bytes).substr((n - 1) * RecordCodec::kTailleFiche,
                                                              RecordCodec::kTailleFiche))
        .Nom;
  }
};

TEST_F(ZoneFichesTest, OpensOnTheLastCardWithEveryCardInTheList) {
  open();
  EXPECT_TRUE(visible("FrmAjout"));
  EXPECT_EQ(text("LblNumFiche"), "012");
  EXPECT_EQ(line("TxtNomEspece")->text(), nom(12));
  EXPECT_TRUE(checked("OptAnimal"));
  EXPECT_TRUE(checked("OptAnim(0)"));
  EXPECT_TRUE(checked("OptRepartition(0)"));
  EXPECT_TRUE(visible("BoxAnimal"));
  EXPECT_FALSE(visible("SpyEnreg"));
  EXPECT_FALSE(visible("BtnDetruire"));
  auto* list = child<QComboBox>(prof(), "CmbListeEsp");
  ASSERT_EQ(list->count(), 12);
  EXPECT_EQ(list->itemText(0), " 1- " + padded(1));

  click(prof(), "OptVegetal");
  EXPECT_TRUE(visible("BoxVegetal"));
  EXPECT_FALSE(visible("BoxAnimal"));
  EXPECT_TRUE(visible("SpyEnreg"));
  EXPECT_FALSE(enabled("Scroll"));
  EXPECT_EQ(text("LblInfo(0)"), "Fleurs:");
  EXPECT_EQ(text("LblInfo(5)"), "Autre info:");
}

// Whatever the screen, the teacher reaches every button: the window fits and the rest scrolls.
TEST_F(ZoneFichesTest, WithTheEditorOpenTheScreenFitsAndEveryButtonCanBeReached) {
  open();
  EXPECT_EQ(textesPeuContrastes(prof()).join(" | ").toStdString(), "");
  const QRect ecran = prof().screen()->availableGeometry();
  EXPECT_LE(prof().frameGeometry().height(), ecran.height());
  EXPECT_LE(prof().frameGeometry().width(), ecran.width());
  for (const char* name : {"Command1", "LblSecurite", "LblAPropos"}) {
    auto* bas = child<QWidget>(prof(), name);
    EXPECT_TRUE(prof().rect().contains(QRect(bas->mapTo(&prof(), QPoint()), bas->size()))) << name;
  }
  auto* defilement = child<QScrollArea>(prof(), "Defilement");
  for (const char* name : {"TxtNomEspece", "TxtInfo(5)", "BtnEnreg", "BtnFermerAjout"}) {
    auto* control = child<QWidget>(prof(), name);
    defilement->ensureWidgetVisible(control);
    const QRect place(control->mapTo(defilement->viewport(), QPoint()), control->size());
    EXPECT_TRUE(defilement->viewport()->rect().contains(place)) << name;
  }
  click(prof(), "BtnFermerAjout");
  EXPECT_FALSE(visible("FrmAjout"));
}

TEST_F(ZoneFichesTest, ANewCardIsBlankCountedAtOnceAndGivenBackWhenAbandoned) {
  open();
  click(prof(), "BtnNouveau");
  EXPECT_EQ(text("LblNumFiche"), "013");
  EXPECT_EQ(text("LblNbFiches"), "13");
  EXPECT_EQ(line("TxtNomEspece")->text(), "");
  EXPECT_EQ(line("TxtInfo(5)")->text(), "?");
  for (int k = 0; k < 13; ++k) EXPECT_FALSE(checked(QString("OptAnim(%1)").arg(k)));
  EXPECT_TRUE(checked("OptRepartition(2)"));
  EXPECT_TRUE(visible("SpyNew"));
  EXPECT_TRUE(visible("BtnDetruire"));
  EXPECT_FALSE(enabled("BtnNouveau"));

  click(prof(), "BtnDetruire");
  EXPECT_EQ(text("LblNbFiches"), "12");
  EXPECT_EQ(text("LblNumFiche"), "012");
  EXPECT_EQ(line("TxtNomEspece")->text(), nom(12));
  EXPECT_TRUE(enabled("BtnNouveau"));
  EXPECT_EQ(baseFile().size(), 12 * RecordCodec::kTailleFiche);
}

TEST_F(ZoneFichesTest, ASaveChecksTheNameAndGroupThenAsksAndWritesTheCard) {
  open();
  click(prof(), "BtnNouveau");
  EXPECT_EQ(clickAnswering("BtnEnreg", {}), QStringList{"Attention|Aucun nom n'est rentré"});
  type("TxtNomEspece", "Hérisson");
  EXPECT_EQ(clickAnswering("BtnEnreg", {}), QStringList{"Attention|Aucun groupe n'a été précisé"});
  click(prof(), "OptAnim(0)");
  click(prof(), "OptVegetal");
  EXPECT_EQ(clickAnswering("BtnEnreg", {}), QStringList{"Attention|Aucun groupe n'a été précisé"});
  click(prof(), "OptAnimal");
  EXPECT_EQ(clickAnswering("BtnEnreg", {Non}),
            QStringList{"Fiche n°13|Voulez-vous enregistrer la fiche actuelle: Hérisson"});
  EXPECT_EQ(baseFile().size(), 12 * RecordCodec::kTailleFiche);
  clickAnswering("BtnEnreg", {Oui});
  ASSERT_EQ(baseFile().size(), 13 * RecordCodec::kTailleFiche);
  EXPECT_EQ(storedName(13), "Hérisson" + std::string(42, ' '));
  EXPECT_EQ(text("LblNbFiches"), "13");
  EXPECT_FALSE(visible("SpyNew"));
  EXPECT_FALSE(visible("SpyEnreg"));
  EXPECT_TRUE(enabled("BtnNouveau"));
  EXPECT_TRUE(enabled("Scroll"));
}

TEST_F(ZoneFichesTest, LinesEmptyTheirQuestionMarkOnEntryAndRefuseWhatGoesPastTheirWidth) {
  open();
  click(prof(), "BtnNouveau");
  type("TxtInfo(1)", QString(40, 'a'));
  EXPECT_EQ(line("TxtInfo(1)")->text(), QString(35, 'a'));
  type("TxtInfo(3)", "?x");
  type("TxtInfo(4)", "");
  EXPECT_EQ(line("TxtInfo(3)")->text(), "?x");
  enter("TxtInfo(3)");
  EXPECT_EQ(line("TxtInfo(3)")->text(), "?x");
  EXPECT_EQ(line("TxtInfo(5)")->text(), "?");
}

// The fields show the texts without the blanks that pad them in the file.
TEST_F(ZoneFichesTest,
       WhatIsTypedAtTheEndOfAStoredTextIsSavedWholeAndAnUnchangedCardStaysByteExact) {
  open();
  const std::string avant = baseFile();
  clickAnswering("BtnEnreg", {Oui});
  EXPECT_EQ(baseFile(), avant);

  enter("TxtNomEspece");
  QTest::keyClick(line("TxtNomEspece"), Qt::Key_End);
  QTest::keyClicks(line("TxtNomEspece"), " (adulte)");
  enter("TxtInfo(0)");
  QTest::keyClick(line("TxtInfo(0)"), Qt::Key_End);
  QTest::keyClicks(line("TxtInfo(0)"), QString(40, 'x'));
  EXPECT_EQ(line("TxtInfo(0)")->text().size(), 35);
  EXPECT_EQ(clickAnswering("BtnEnreg", {Oui}),
            QStringList{"Fiche n°12|Voulez-vous enregistrer la fiche actuelle: " + nom(12) +
                        " (adulte)"});
  EXPECT_EQ(storedName(12), (nom(12) + " (adulte)").leftJustified(50).toStdString());
  EXPECT_EQ(QString::fromStdString(programme().base().fiche(12).Info[0]),
            line("TxtInfo(0)")->text());
}

TEST_F(ZoneFichesTest, APendingEditIsKeptOnAnnulerSavedOnOuiAndDroppedOnNon) {
  open();
  type("TxtNomEspece", "Renard");
  EXPECT_EQ(chooseInList(4, {Annuler}),
            QStringList{"Attention|Une modification est en cours\nVoulez-vous enregistrer ces "
                        "modifications ?"});
  EXPECT_EQ(text("LblNumFiche"), "012");
  EXPECT_EQ(line("TxtNomEspece")->text(), "Renard");
  EXPECT_TRUE(visible("SpyEnreg"));
  EXPECT_EQ(child<QScrollBar>(prof(), "Scroll")->value(), 12);

  chooseInList(4, {Non});
  EXPECT_EQ(text("LblNumFiche"), "005");
  EXPECT_EQ(line("TxtNomEspece")->text(), nom(5));
  EXPECT_EQ(storedName(12), padded(12).toStdString());

  // Oui saves what is on screen, into the card's own slot.
  type("TxtInfo(2)", "Pattes");
  chooseInList(0, {Oui});
  EXPECT_EQ(text("LblNumFiche"), "001");
  const std::string bytes = baseFile();
  EXPECT_EQ(
      RecordCodec::decode(std::string_view(bytes).substr(4 * RecordCodec::kTailleFiche)).Info[2],
      "Pattes" + std::string(29, ' '));
  EXPECT_EQ(programme().base().fiche(5).Info[2], "Pattes" + std::string(29, ' '));
}

TEST_F(ZoneFichesTest, EveryWayOutOfTheZoneAsksAboutAPendingNewCard) {
  open();
  click(prof(), "BtnNouveau");
  EXPECT_EQ(clickAnswering("Command1", {Annuler}), QStringList{kPending});
  EXPECT_TRUE(prof().isVisible());
  EXPECT_TRUE(visible("SpyNew"));
  // Oui runs the save's checks: with no name, nothing is written and the zone stays.
  EXPECT_EQ(clickAnswering("CmdSuppr", {Oui}),
            (QStringList{kPending, "Attention|Aucun nom n'est rentré"}));
  EXPECT_FALSE(visible("FrmSupp"));
  EXPECT_TRUE(visible("FrmAjout"));
  EXPECT_EQ(clickAnswering("CmdAjout", {Non}), QStringList{kPending});
  EXPECT_FALSE(visible("FrmAjout"));
  EXPECT_EQ(text("LblNbFiches"), "12");
  open();
  EXPECT_EQ(text("LblNumFiche"), "012");
  click(prof(), "BtnNouveau");
  EXPECT_EQ(clickAnswering("BtnFermerAjout", {Non}), QStringList{kPending});
  EXPECT_EQ(programme().base().NbFiches(), 12);
  EXPECT_EQ(clickAnswering("Command1", {}), QStringList{});
  EXPECT_FALSE(prof().isVisible());
}

TEST_F(ZoneFichesTest, AFailedSaveIsReportedAndTheEditStaysPending) {
  open();
  type("TxtNomEspece", "x");
  const std::string before = baseFile();
  fichiers_.failOn(test::FaultyFileAccess::Operation::Replace, 1, FileError::DisquePlein);
  EXPECT_EQ(clickAnswering("BtnEnreg", {Oui}).last(),
            "Attention|Disque(tte) plein(e).\nTraitement impossible" + kHint);
  EXPECT_EQ(baseFile(), before);
  EXPECT_TRUE(visible("SpyEnreg"));
  EXPECT_EQ(line("TxtNomEspece")->text(), "x");
  EXPECT_EQ(programme().base().fiche(12).Nom, padded(12).toStdString());
}

TEST_F(ZoneFichesTest, ABaseThatCannotBeChangedKeepsTheZoneClosedAndTheEditingOff) {
  fichiers_.failOn(test::FaultyFileAccess::Operation::MakeWritable, 1, FileError::AccesRefuse);
  EXPECT_EQ(clickAnswering("CmdAjout", {}),
            QStringList{"Attention|Fichiers en lecture seule.\nTraitement impossible." + kHint +
                        "\n\nLa modification et l'ajout de nouvelles fiches est impossible."});
  EXPECT_FALSE(visible("FrmAjout"));
  open();
  EXPECT_TRUE(visible("FrmAjout"));
  EXPECT_FALSE(enabled("BtnNouveau"));
  EXPECT_FALSE(enabled("BtnEnreg"));
}

TEST_F(ZoneFichesTest, AFullBaseRefusesANewCardAndAnEmptyOneOffersOnlyToAddOne) {
  reload(299);
  open();
  const QStringList said = clickAnswering("BtnNouveau", {});
  ASSERT_EQ(said.size(), 1);
  EXPECT_TRUE(said[0].startsWith("Attention|La base est pleine"));
  EXPECT_EQ(text("LblNbFiches"), "299");
  EXPECT_EQ(text("LblNumFiche"), "299");

  reload(0);
  open();
  EXPECT_EQ(text("LblNumFiche"), "000");
  EXPECT_EQ(line("TxtNomEspece")->text(), "");
  EXPECT_FALSE(enabled("TxtNomEspece"));
  EXPECT_FALSE(enabled("BtnEnreg"));
  click(prof(), "BtnNouveau");
  EXPECT_EQ(text("LblNumFiche"), "001");
  EXPECT_TRUE(enabled("TxtNomEspece"));
}

}  // namespace
}  // namespace sylvenor
