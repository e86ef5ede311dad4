#include "browse/FrmAide.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

#include "support/WindowTest.h"

namespace sylvenor {
namespace {

class FrmAideTest : public test::WindowTest {
 protected:
  FrmAideTest() {
    aide_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(aide_.data()));
  }
  ~FrmAideTest() override { delete aide_.data(); }

  QPointer<FrmAide> aide_ = new FrmAide();
};

TEST_F(FrmAideTest, ListsTheFourteenWordsModelessInOneColumnInFullView) {
  EXPECT_FALSE(aide_->isModal());
  const QStringList mots = {"antennule", "calcaire",  "critère",  "classification",  "crampon",
                            "éboulis",   "étamine",   "mélifère", "particule",       "pistil",
                            "spore",     "tourbière", "trachées", "trachéobranchies"};
  QList<QLabel*> entrees;
  for (QLabel* label : aide_->findChildren<QLabel*>()) {
    if (label->text().contains(" = ")) entrees << label;
  }
  ASSERT_EQ(entrees.size(), mots.size());
  for (qsizetype i = 0; i < mots.size(); ++i) {
    const QLabel* entree = entrees[i];
    EXPECT_TRUE(entree->text().startsWith(mots[i] + " = ")) << entree->text().toStdString();
    EXPECT_TRUE(entree->isVisible()) << i;
    EXPECT_EQ(entree->x(), entrees[0]->x()) << i;
    if (i > 0) {
      EXPECT_GT(entree->y(), entrees[i - 1]->y()) << i;
    }
    EXPECT_GE(entree->width(), entree->sizeHint().width()) << i;
    EXPECT_TRUE(aide_->rect().contains(entree->geometry())) << i;
  }
}

TEST_F(FrmAideTest, RetourClosesAndUnloadsTheWindow) {
  click(*aide_, "BtnRetour");
  EXPECT_TRUE(QTest::qWaitFor([&] { return aide_.isNull(); }));
}

TEST_F(FrmAideTest, EscapeClosesTheDictionaryToo) {
  QTest::keyClick(aide_, Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&] { return aide_.isNull(); }));
}

}  // namespace
}  // namespace sylvenor
