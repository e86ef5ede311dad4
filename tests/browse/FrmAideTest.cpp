#include "browse/FrmAide.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

#include "support/WindowTest.h"

namespace sylvenor {
namespace {

class FrmAideTest : public test::WindowTest {
 protected:
  FrmAideTest() : aide_(new FrmAide()) {
    aide_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(aide_.data()));
  }
  ~FrmAideTest() override { delete aide_.data(); }

  QLabel* label(const char* name) { return child<QLabel>(*aide_, name); }

  QPointer<FrmAide> aide_;
};

TEST_F(FrmAideTest, IsAModelessWindowOfItsOwnTitledDictionnaire) {
  EXPECT_TRUE(aide_->isWindow());
  EXPECT_FALSE(aide_->isModal());
  EXPECT_EQ(aide_->windowTitle(), "Dictionnaire");
  ASSERT_NE(label("Label1"), nullptr);
  EXPECT_EQ(label("Label1")->text(), "Dictionnaire");
}

TEST_F(FrmAideTest, ListsTheFourteenWordsInOneLeftAlignedColumnInFullView) {
  const std::pair<const char*, QString> entries[] = {
      {"Label6", "antennule = petite antenne"},
      {"Label2", "calcaire = matière comportant principalement du calcium et du carbone"},
      {"Label3", "critère = caractère observable"},
      {"Label4", "classification = rangement en groupes selon des critères choisis"},
      {"Label14", "crampon = qui sert à s'attacher"},
      {"Label13", "éboulis = lieu d'éboulement de pierres"},
      {"Label11", "étamine = organe reproducteur mâle"},
      {"Label10", "mélifère = dont le nectar sert aux abeilles pour produire du miel"},
      {"Label5", "particule = petit élément"},
      {"Label12", "pistil = organe reproducteur femelle"},
      {"Label15", "spore = cellule qui, en germant, produit un nouvel individu"},
      {"Label9", "tourbière = milieu de vie très humide"},
      {"Label8", "trachées = appareil respiratoire de certains insectes"},
      {"Label7", "trachéobranchies = appareil respiratoire de certains insectes aquatiques"},
  };
  const QLabel* previous = label("Label1");
  for (const auto& [name, text] : entries) {
    const QLabel* entry = label(name);
    ASSERT_NE(entry, nullptr) << name;
    EXPECT_EQ(entry->text(), text) << name;
    EXPECT_TRUE(entry->isVisible()) << name;
    EXPECT_GT(entry->y(), previous->y()) << name;
    if (previous != label("Label1")) {
      EXPECT_EQ(entry->x(), previous->x()) << name;
    }
    EXPECT_GE(entry->width(), entry->sizeHint().width()) << name;
    EXPECT_TRUE(aide_->rect().contains(entry->geometry())) << name;
    previous = entry;
  }
  EXPECT_EQ(aide_->findChildren<QLabel*>().size(), 15);
}

TEST_F(FrmAideTest, RetourClosesAndUnloadsTheWindow) {
  click(*aide_, "BtnRetour");
  EXPECT_TRUE(QTest::qWaitFor([&] { return aide_.isNull(); }));
}

}  // namespace
}  // namespace sylvenor
