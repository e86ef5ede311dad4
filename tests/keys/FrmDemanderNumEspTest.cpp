#include "keys/FrmDemanderNumEsp.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <functional>

#include "support/WindowTest.h"

namespace sylvenor {
namespace {

const QColor kRouge(255, 128, 128);
const QColor kVert(192, 255, 192);

std::string padded(const std::string& name) {
  return name + std::string(50 - QString::fromStdString(name).size(), ' ');
}

class FrmDemanderNumEspTest : public test::WindowTest {
 protected:
  void ajouter(const std::string& nom, std::int16_t vegetal) {
    FicheEspece fiche;
    fiche.Nom = padded(nom);
    fiche.Vegetal = vegetal;
    programme().base().ajouter(fiche);
  }
  void ajouterCinq() {
    ajouter("Renard roux", 0);
    ajouter("Chêne pédonculé", -1);
    ajouter("Truite", 0);
    ajouter("Fougère aigle", -1);
    ajouter("Moule", 0);
  }
  // Shows the prompt as the key does; `pupil` acts on the open window, then "Valider".
  std::int16_t demander(const std::function<void()>& pupil = [] {}) {
    QTimer::singleShot(0, [this, pupil] {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(&prompt_));
      pupil();
      click(prompt_, "BtnQuit");
    });
    // Never left hanging by a failed step.
    QTimer::singleShot(5000, &prompt_, [this] { prompt_.done(QDialog::Rejected); });
    return prompt_.demander();
  }
  QScrollBar* scroll() { return child<QScrollBar>(prompt_, "Scroll"); }
  QString label(const QString& name) { return child<QLabel>(prompt_, name)->text(); }
  QColor kindColour() {
    return child<QLabel>(prompt_, "LblTypeEsp")->palette().color(QPalette::Window);
  }
  void key(Qt::Key which) { QTest::keyClick(scroll(), which); }
  QPoint thumbCentre() {
    QStyleOptionSlider option;
    option.initFrom(scroll());
    option.orientation = Qt::Horizontal;
    option.minimum = scroll()->minimum();
    option.maximum = scroll()->maximum();
    option.sliderPosition = scroll()->sliderPosition();
    option.sliderValue = scroll()->value();
    option.singleStep = scroll()->singleStep();
    option.pageStep = scroll()->pageStep();
    option.subControls = QStyle::SC_All;
    return scroll()
        ->style()
        ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, scroll())
        .center();
  }

  FrmDemanderNumEsp prompt_{programme().base()};
};

TEST_F(FrmDemanderNumEspTest, TheFirstShowingIsAtOneWithItsSpecies) {
  ajouterCinq();
  EXPECT_TRUE(prompt_.tag().isEmpty());
  EXPECT_EQ(label("LblNumEsp"), "00");
  const auto chosen = demander([&] {
    EXPECT_EQ(scroll()->minimum(), 1);
    EXPECT_EQ(scroll()->maximum(), 5);
    EXPECT_EQ(label("LblNumEsp"), "1");
    EXPECT_EQ(label("LblNomEsp"), QString::fromStdString(padded("Renard roux")));
    EXPECT_EQ(label("LblTypeEsp"), "Animal");
    EXPECT_EQ(kindColour(), kRouge);
    EXPECT_EQ(label("Label1"), "Choisir un chiffre grâce à la barre défilante puis valider");
  });
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(prompt_.tag(), "1");
  EXPECT_FALSE(prompt_.isVisible());
}

TEST_F(FrmDemanderNumEspTest, TheKeyboardChoosesAndTheNextShowingOpensThere) {
  ajouterCinq();
  const auto first = demander([&] {
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    EXPECT_EQ(label("LblNumEsp"), "4");
    EXPECT_EQ(label("LblNomEsp"), QString::fromStdString(padded("Fougère aigle")));
    EXPECT_EQ(label("LblTypeEsp"), "Vegetal");
    EXPECT_EQ(kindColour(), kVert);
  });
  EXPECT_EQ(first, 4);
  EXPECT_EQ(prompt_.tag(), "4");
  const auto again = demander([&] {
    EXPECT_EQ(scroll()->value(), 4);
    EXPECT_EQ(label("LblTypeEsp"), "Vegetal");
    key(Qt::Key_Left);
    // Only "Valider" leaves: a number is always chosen.
    QTest::keyClick(&prompt_, Qt::Key_Escape);
    EXPECT_FALSE(prompt_.close());
    EXPECT_TRUE(prompt_.isVisible());
    EXPECT_EQ(label("LblNomEsp"), QString::fromStdString(padded("Truite")));
    EXPECT_EQ(label("LblTypeEsp"), "Animal");
    EXPECT_EQ(kindColour(), kRouge);
  });
  EXPECT_EQ(again, 3);
}

TEST_F(FrmDemanderNumEspTest, TheRangeFollowsTheBaseBetweenShowings) {
  ajouterCinq();
  EXPECT_EQ(demander([&] { key(Qt::Key_End); }), 5);
  // The teacher deletes two species during the run.
  programme().base().setNbFiches(3);
  const auto afterDeletion = demander([&] {
    EXPECT_EQ(scroll()->maximum(), 3);
    EXPECT_EQ(label("LblNumEsp"), "3");
    EXPECT_EQ(label("LblNomEsp"), QString::fromStdString(padded("Truite")));
    key(Qt::Key_End);
    key(Qt::Key_Right);
  });
  EXPECT_EQ(afterDeletion, 3);
  ajouter("Pinson", 0);
  ajouter("Mousse", -1);
  const auto afterAdding = demander([&] {
    EXPECT_EQ(scroll()->maximum(), 5);
    EXPECT_EQ(label("LblNomEsp"), QString::fromStdString(padded("Truite")));
    key(Qt::Key_End);
  });
  EXPECT_EQ(afterAdding, 5);
  EXPECT_EQ(prompt_.tag(), "5");
}

TEST_F(FrmDemanderNumEspTest, AnEmptyBaseGivesZeroWithoutShowing) {
  bool shown = false;
  QTimer::singleShot(0, [&] {
    shown = prompt_.isVisible();
    prompt_.done(QDialog::Rejected);
  });
  EXPECT_EQ(prompt_.demander(), 0);
  QTest::qWait(10);
  EXPECT_FALSE(shown);
}

TEST_F(FrmDemanderNumEspTest, DraggingMovesTheNumberAndReleasingTheNameAndKind) {
  for (int k = 1; k <= 40; ++k) ajouter("Espèce " + std::to_string(k), k % 2 == 0 ? -1 : 0);
  const auto chosen = demander([&] {
    const QPoint from = thumbCentre();
    const QPoint to = from + QPoint(scroll()->width() / 3, 0);
    QTest::mousePress(scroll(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(scroll(), to);
    const QString dragged = label("LblNumEsp");
    EXPECT_NE(dragged, "1");
    EXPECT_EQ(label("LblNomEsp"), QString::fromStdString(padded("Espèce 1")));
    EXPECT_EQ(label("LblTypeEsp"), "Animal");
    QTest::mouseRelease(scroll(), Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(label("LblNumEsp"), dragged);
    EXPECT_EQ(label("LblNomEsp"),
              QString::fromStdString(padded("Espèce " + dragged.toStdString())));
  });
  EXPECT_GT(chosen, 1);
  EXPECT_EQ(QString::number(chosen), prompt_.tag());
}

}  // namespace
}  // namespace sylvenor
