#include "app/FrmAPropos.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "app/APropos.h"

namespace sylvenor {
namespace {

TEST(FrmAProposTest, TheTextOpensWithTheTitleAndKeepsItsParagraphsInOrder) {
  const QStringList lignes = QString::fromStdString(APropos::texte()).split('\n');
  ASSERT_EQ(lignes.size(), 10);
  EXPECT_EQ(lignes[0], "Sylvenor  V1.0");
  EXPECT_EQ(lignes[2], "Utilisable également en 5e.");
  EXPECT_EQ(lignes[5], APropos::kAdresseWeb.data());
  EXPECT_EQ(lignes[7], "Les auteurs vous souhaitent une bonne utilisation en classe du logiciel.");
  EXPECT_EQ(lignes[8],
            "Si vous avez des remarques pour faire évoluer ce logiciel, n'hésitez pas à nous "
            "contacter.");
}

TEST(FrmAProposTest, AClickOnThePictureClosesIt) {
  FrmAPropos apropos(QPixmap(), nullptr);
  apropos.show();
  EXPECT_EQ(apropos.findChild<QLabel*>("Label1")->text().toStdString(), APropos::texte());
  QTest::mouseClick(apropos.findChild<QLabel*>("Image1"), Qt::LeftButton);
  EXPECT_FALSE(apropos.isVisible());
  EXPECT_EQ(apropos.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace sylvenor
