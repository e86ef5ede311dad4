#include "app/FrmSecu.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app/Securite.h"
#include "support/MessageAnswers.h"
#include "support/WindowTest.h"

namespace sylvenor {
namespace {

class FrmSecuTest : public test::WindowTest {
 protected:
  FrmSecu& ouvrir() {
    dialogue_ = std::make_unique<FrmSecu>(programme().reglages(), nullptr);
    dialogue_->show();
    return *dialogue_;
  }
  QCheckBox* optPass() { return child<QCheckBox>(*dialogue_, "OptPass"); }
  QLineEdit* txtPass() { return child<QLineEdit>(*dialogue_, "TxtPass"); }
  QRadioButton* mode(int i) {
    return child<QRadioButton>(*dialogue_, QString("OptQuitter(%1)").arg(i));
  }
  void taper(const QString& texte) {
    txtPass()->selectAll();
    txtPass()->insert(texte);
  }
  // "FERMER"; returns the messages it brought.
  QStringList fermer() {
    test::MessageAnswers answers;
    click(*dialogue_, "Command1");
    return answers.vus;
  }

  std::unique_ptr<FrmSecu> dialogue_;
};

TEST_F(FrmSecuTest, WithNothingStoredItOpensUntickedAndSavesTheDefaults) {
  ouvrir();
  EXPECT_FALSE(optPass()->isChecked());
  EXPECT_TRUE(txtPass()->text().isEmpty());
  EXPECT_TRUE(mode(0)->isChecked());
  EXPECT_EQ(mode(0)->text(), "Uniquement quitter le logiciel  (classique)");
  EXPECT_TRUE(fermer().isEmpty());
  EXPECT_FALSE(dialogue_->isVisible());
  EXPECT_EQ(setting("Sécurité", "Pass"), "0");
  EXPECT_EQ(setting("Sécurité", "Pswrd"), "");
  EXPECT_EQ(setting("Sécurité", "QuitMod"), "0");
}

TEST_F(FrmSecuTest, APasswordTypedTicksTheBoxAndIsInForceAtTheStartScreen) {
  ouvrir();
  taper("  Chene ");
  EXPECT_TRUE(optPass()->isChecked());
  click(*dialogue_, "OptQuitter(1)");
  EXPECT_TRUE(fermer().isEmpty());
  EXPECT_EQ(setting("Sécurité", "Pswrd"), "Chene");
  EXPECT_TRUE(Securite::motDePasseRequis(programme().reglages()));
  EXPECT_TRUE(Securite::motDePasseAccepte(programme().reglages(), "Chene"));
  EXPECT_FALSE(Securite::motDePasseAccepte(programme().reglages(), "  Chene "));
  EXPECT_EQ(Securite::actionQuitter(programme().reglages()), ActionQuitter::Eteindre);
  ouvrir();
  EXPECT_TRUE(optPass()->isChecked());
  EXPECT_EQ(txtPass()->text(), "Chene");
  EXPECT_TRUE(mode(1)->isChecked());
  // Unticked, the text is still saved, but the next opening shows it empty.
  click(*dialogue_, "OptPass");
  EXPECT_TRUE(fermer().isEmpty());
  EXPECT_EQ(setting("Sécurité", "Pass"), "0");
  EXPECT_EQ(setting("Sécurité", "Pswrd"), "Chene");
  ouvrir();
  EXPECT_TRUE(txtPass()->text().isEmpty());
}

TEST_F(FrmSecuTest, ATickedBoxWithABlankPasswordIsRefusedAndNothingSaved) {
  ouvrir();
  click(*dialogue_, "OptPass");
  taper("   ");
  EXPECT_EQ(fermer(), QStringList{"Attention|Si vous choisissez d'utiliser un mot de passe, "
                                  "veuillez entrer des caractères dans la zone de saisie."});
  EXPECT_TRUE(dialogue_->isVisible());
  EXPECT_FALSE(setting("Sécurité", "Pass").has_value());
}

TEST_F(FrmSecuTest, AStoredQuitModeOfNoOptionSelectsNoneAndIsKept) {
  setSetting("Sécurité", "QuitMod", "7");
  ouvrir();
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(mode(i)->isChecked()) << i;
  EXPECT_TRUE(fermer().isEmpty());
  EXPECT_EQ(setting("Sécurité", "QuitMod"), "7");
}

}  // namespace
}  // namespace sylvenor
