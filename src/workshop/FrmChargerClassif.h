#pragma once

#include <QByteArray>
#include <QMessageBox>
#include <QWidget>
#include <functional>

#include "workshop/ClassificationEleve.h"
#include "workshop/ClassificationsEnregistrees.h"

class QListWidget;
class QPushButton;

namespace sylvenor {

class Programme;

// "Charger une classification d'élève": lists the saved keys, loads one into the board or
// deletes one. It belongs to the board and closes with it.
class FrmChargerClassif : public QWidget {
  Q_OBJECT

 public:
  FrmChargerClassif(Programme& programme,
                    std::function<void(const ClassificationEleve&)> chargerDansPlateau,
                    QWidget* plateau);

  // Fills the list from the folder; says so when it is empty.
  void ouvrir();

 private:
  QPushButton* bouton(const QString& name, const QString& caption, int left);
  // Lists the folder and makes its first file the current one; false when it holds none.
  bool remplir();
  void activer(bool actif);
  void rafraichir(QMessageBox::Icon iconeSiVide);
  void avertir(const std::string& texte, QMessageBox::Icon icone = QMessageBox::Warning);
  void File1_Click();
  void BtnCharger_Click();
  void BtnDetruire_Click();

  ClassificationsEnregistrees sauvegardes_;
  std::function<void(const ClassificationEleve&)> chargerDansPlateau_;
  QListWidget* file1_ = nullptr;
  QPushButton* btnCharger_ = nullptr;
  QPushButton* btnDetruire_ = nullptr;
  QByteArray courant_;  // the name of the current file as the disk spells it
};

}  // namespace sylvenor
