#include <QApplication>
#include <QLabel>
#include <QTest>

#include "workshop/WorkshopTest.h"

namespace sylvenor::test {
namespace {

// The path to each final box, A to D.
const std::array<std::array<const char*, 3>, 4> kChemins = {{
    {"Btn010", "Btn001", "BtnOK011"},
    {"Btn010", "Btn002", "BtnOK012"},
    {"Btn020", "Btn003", "BtnOK013"},
    {"Btn020", "Btn004", "BtnOK014"},
}};

class FrmTesterTest : public WorkshopTest {
 protected:
  FrmTesterTest() {
    ouvrir();
    boite("Text100")->setPlainText("A-t-il des poils ou des plumes ?");
    boite("Text010")->setPlainText("<b>A-t-il</b> des plumes ?");
    boite("choix003")->setPlainText("il a des écailles");
    // A pupil may write long texts: the trial shows them whole.
    boite("Text020")->setPlainText(QString(
        "A-t-il des écailles sur tout le corps, des nageoires pour nager et des branchies pour "
        "respirer dans l'eau ?"));
    boite("choix004")->setPlainText("il n'a ni écailles ni nageoires, mais une peau nue et humide");
    placerToutes();
    click(plateau(), "BtnTest");
    testeur_ = plateau().findChild<QWidget*>("FrmTester");
    revelation_ = takeTimer(testeur(), "TimerBien", std::chrono::milliseconds(500));
  }

  QWidget& testeur() { return *testeur_; }
  bool visible(const QString& name) { return widget(testeur(), name)->isVisible(); }
  QString texte(const QString& name) { return child<QLabel>(testeur(), name)->text(); }
  // The classmate sends the pictures, in order, into these boxes.
  void classer(const std::vector<int>& boites) {
    for (const int boite : boites) {
      for (const char* name : kChemins.at(boite)) click(testeur(), name);
    }
  }
  QImage image(const QString& name) { return child<QLabel>(testeur(), name)->pixmap().toImage(); }
  QImage imagePlateau(int i) {
    return child<QLabel>(plateau(), QString("Img(%1)").arg(i))->pixmap().toImage();
  }
  // The results come one step at each tick of the reveal.
  void attendreResultat() {
    for (int pas = 0; pas < 5 && !visible("LblResult"); ++pas) tick(*revelation_);
    ASSERT_TRUE(visible("LblResult"));
  }

  QPointer<QWidget> testeur_;
  QTimer* revelation_ = nullptr;
};

TEST_F(FrmTesterTest, AKeyFollowedAsPlannedRevealsAllFourAnimalsOneByOne) {
  ASSERT_TRUE(testeur_);
  EXPECT_TRUE(testeur().isVisible());
  EXPECT_EQ(texte("Txt100"), "A-t-il des poils ou des plumes ?");
  EXPECT_EQ(child<QLabel>(*widget(testeur(), "Btn003"), "Texte")->text(), "il a des écailles");
  EXPECT_EQ(child<QLabel>(testeur(), "Txt010")->textFormat(), Qt::PlainText);
  EXPECT_EQ(texte("LblNumEsp"), "0");
  EXPECT_EQ(image("ImgTest"), imagePlateau(0));
  // What happens to the board afterwards does not change the trial.
  plateau().charger(ClassificationEleve::remiseAZero());
  glisser(0, widget(plateau(), "Shape2")->pos() - widget(plateau(), "Img(0)")->pos());
  ASSERT_EQ(plateau().plateau().boite(0), 1);
  EXPECT_EQ(texte("Txt100"), "A-t-il des poils ou des plumes ?");
  classer({0, 1, 2, 3});
  EXPECT_EQ(texte("LblNumEsp"), "4");
  EXPECT_TRUE(visible("FrmCompare"));
  EXPECT_FALSE(visible("FrmClasser"));
  EXPECT_FALSE(visible("LblResult"));
  EXPECT_FALSE(visible("ImgBien(0)"));
  tick(*revelation_);
  EXPECT_TRUE(visible("ImgBien(0)"));
  EXPECT_FALSE(visible("ImgBien(1)"));
  attendreResultat();
  for (int j = 0; j < 4; ++j) {
    EXPECT_EQ(image(QString("ImgBien(%1)").arg(j)), imagePlateau(j)) << j;
    EXPECT_TRUE(image(QString("ImgFaux(%1)").arg(j)).isNull()) << j;
  }
  EXPECT_EQ(texte("LblResult"), "4 animaux ont été classés comme c'était prévu par \n" +
                                    QString::fromStdString(programme().exercice().nomEleve()));
  EXPECT_EQ(textesPeuContrastes(testeur()).join(" | ").toStdString(), "");
}

TEST_F(FrmTesterTest, OneAnimalClassifiedOtherwiseIsShownBelowOnTheLeft) {
  classer({0, 1, 3, 3});
  attendreResultat();
  EXPECT_EQ(image("ImgFaux(0)"), imagePlateau(2));
  EXPECT_EQ(image("ImgBien(2)"), imagePlateau(3));
  EXPECT_TRUE(texte("LblResult").startsWith("3 animaux ont été classés"));
}

TEST_F(FrmTesterTest, NoAnimalAsPlannedAndTheTrialRunsOnlyOnce) {
  classer({1});
  // Coming back to the window does not start the trial again.
  QEvent activation(QEvent::WindowActivate);
  QApplication::sendEvent(&testeur(), &activation);
  EXPECT_EQ(texte("LblNumEsp"), "1");
  classer({0, 0, 0});
  EXPECT_EQ(texte("LblNumEsp"), "4");
  EXPECT_TRUE(
      texte("LblResult").startsWith("Aucun animal n'a été classé comme c'était prévu par "));
}

TEST_F(FrmTesterTest, ChangingBranchClosesTheOtherOneWholly) {
  click(testeur(), "Btn010");
  click(testeur(), "Btn001");
  EXPECT_EQ(lignesQuiBarrent(testeur()).join(" | ").toStdString(), "");
  for (const char* name : {"Line1", "Txt010", "Btn002", "Line3", "Line7", "BtnOK011"}) {
    EXPECT_TRUE(visible(name)) << name;
  }
  EXPECT_FALSE(visible("BtnOK012"));
  click(testeur(), "Btn020");
  for (const char* name : {"Line1", "Txt010", "Btn001", "Btn002", "Line3", "Line7", "BtnOK011"}) {
    EXPECT_FALSE(visible(name)) << name;
  }
  for (const char* name : {"Line2", "Txt020", "Btn003", "Btn004"}) EXPECT_TRUE(visible(name));
  click(testeur(), "Btn004");
  EXPECT_EQ(lignesQuiBarrent(testeur()).join(" | ").toStdString(), "");
  EXPECT_TRUE(montreEntier(*child<QLabel>(testeur(), "Txt020")));
  EXPECT_TRUE(montreEntier(*child<QLabel>(*widget(testeur(), "Btn004"), "Texte")));
  EXPECT_EQ(texte("LblNumEsp"), "0");
}

TEST_F(FrmTesterTest, ReturningShowsTheBoardAsItWas) {
  const QPoint avant = widget(plateau(), "Img(3)")->pos();
  plateau().ramener();
  EXPECT_FALSE(plateau().isVisible());
  click(testeur(), "BtnRetour");
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(testeur_.isNull());
  EXPECT_TRUE(plateau().isVisible());
  EXPECT_EQ(widget(plateau(), "Img(3)")->pos(), avant);
  EXPECT_EQ(plateau().classification().textes[0], "A-t-il des poils ou des plumes ?");
}

// Each picture starts with the keyboard on the first answer; with the results shown, on the way
// back, and the answers under them out of reach.
TEST_F(FrmTesterTest, TheKeyboardStartsEachAnimalOnTheFirstAnswer) {
  EXPECT_EQ(testeur().focusWidget()->objectName(), "Btn010");
  classer({0});
  EXPECT_EQ(testeur().focusWidget()->objectName(), "Btn010");
  classer({1, 2, 3});
  EXPECT_EQ(testeur().focusWidget()->objectName(), "BtnRetour");
  EXPECT_FALSE(widget(testeur(), "Btn010")->isEnabled());
  EXPECT_FALSE(widget(testeur(), "Btn020")->isEnabled());
}

}  // namespace
}  // namespace sylvenor::test
