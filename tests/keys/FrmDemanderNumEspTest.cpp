#include "keys/FrmDemanderNumEsp.h"

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

std::string padded(const std::string& name) {
  return name + std::string(50 - QString::fromStdString(name).size(), ' ');
}

class FrmDemanderNumEspTest : public test::WindowTest {
 protected:
  void ajouter(std::initializer_list<std::pair<std::string, std::int16_t>> especes) {
    for (const auto& [nom, vegetal] : especes) {
      FicheEspece fiche;
      fiche.Nom = padded(nom);
      fiche.Vegetal = vegetal;
      programme().base().ajouter(fiche);
    }
  }
  void ajouterCinq() {
    ajouter({{"Renard roux", 0},
             {"Chêne pédonculé", -1},
             {"Truite", 0},
             {"Fougère aigle", -1},
             {"Moule", 0}});
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
  // The number, the name and the kind on show, the kind in its colour.
  void expectShown(const QString& numero, const std::string& nom, bool animal) {
    EXPECT_EQ(label("LblNumEsp"), numero);
    EXPECT_EQ(label("LblNomEsp"), QString::fromStdString(padded(nom)));
    EXPECT_EQ(label("LblTypeEsp"), animal ? "Animal" : "Vegetal");
    EXPECT_EQ(child<QLabel>(prompt_, "LblTypeEsp")->palette().color(QPalette::Window),
              animal ? QColor(255, 128, 128) : QColor(192, 255, 192));
  }
  void key(Qt::Key which) { QTest::keyClick(scroll(), which); }
  QPoint thumbCentre() {
    QStyleOptionSlider option;
    option.initFrom(scroll());
    option.minimum = scroll()->minimum();
    option.maximum = scroll()->maximum();
    option.sliderPosition = scroll()->sliderPosition();
    option.pageStep = scroll()->pageStep();
    return scroll()
        ->style()
        ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, scroll())
        .center();
  }

  FrmDemanderNumEsp prompt_{programme().base()};
};

TEST_F(FrmDemanderNumEspTest, TheFirstShowingIsAtOneAndEachNextOneWhereThePupilLeftIt) {
  ajouterCinq();
  EXPECT_TRUE(prompt_.tag().isEmpty());
  EXPECT_EQ(4, demander([&] {
              EXPECT_EQ(scroll()->minimum(), 1);
              EXPECT_EQ(scroll()->maximum(), 5);
              expectShown("1", "Renard roux", true);
              for (int i = 0; i < 3; ++i) key(Qt::Key_Right);
              expectShown("4", "Fougère aigle", false);
            }));
  EXPECT_EQ(prompt_.tag(), "4");
  EXPECT_FALSE(prompt_.isVisible());
  EXPECT_EQ(3, demander([&] {
              expectShown("4", "Fougère aigle", false);
              key(Qt::Key_Left);
              // Only "Valider" leaves: a number is always chosen.
              QTest::keyClick(&prompt_, Qt::Key_Escape);
              EXPECT_FALSE(prompt_.close());
              EXPECT_TRUE(prompt_.isVisible());
              expectShown("3", "Truite", true);
            }));
  EXPECT_EQ(3, demander());
}

TEST_F(FrmDemanderNumEspTest, TheRangeFollowsTheBaseBetweenShowings) {
  ajouterCinq();
  EXPECT_EQ(5, demander([&] { key(Qt::Key_End); }));
  // The teacher deletes two species during the run, then adds two.
  programme().base().setNbFiches(3);
  EXPECT_EQ(3, demander([&] {
              EXPECT_EQ(scroll()->maximum(), 3);
              expectShown("3", "Truite", true);
              key(Qt::Key_End);
              key(Qt::Key_Right);
            }));
  ajouter({{"Pinson", 0}, {"Mousse", -1}});
  EXPECT_EQ(5, demander([&] {
              EXPECT_EQ(scroll()->maximum(), 5);
              expectShown("3", "Truite", true);
              key(Qt::Key_End);
            }));
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
  for (int k = 1; k <= 40; ++k) ajouter({{"Espèce " + std::to_string(k), k % 2 == 0 ? -1 : 0}});
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
    expectShown(dragged, "Espèce " + dragged.toStdString(), dragged.toInt() % 2 != 0);
  });
  EXPECT_GT(chosen, 1);
  EXPECT_EQ(QString::number(chosen), prompt_.tag());
}

}  // namespace
}  // namespace sylvenor
