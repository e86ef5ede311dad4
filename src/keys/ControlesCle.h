#pragma once

#include <QObject>
#include <vector>

#include "keys/EtatCle.h"
#include "keys/ProfilCle.h"

class QAbstractButton;
class QWidget;

namespace sylvenor {

class FrmTemp;

// The controls of a key, built once from its table on the key's window: criteria, answers,
// help labels, lines, groups with their OK buttons and the warnings. It walks the key as the
// pupil answers, showing and hiding them, and tells the window what only the window can do.
class ControlesCle : public QObject {
  Q_OBJECT

 public:
  ControlesCle(const ProfilCle& profil, const FrmTemp& images, QWidget& fenetre);

  // Back to the first criterion, the keyboard on its first answer.
  void reinitialiser();

 signals:
  void passage();  // the answer that hands the species over to the next key
  void validation(const FeuilleCle& feuille);
  void aideDemandee(int index);

 private:
  struct Controles {
    std::vector<QWidget*> widgets;
  };

  void construireNoeud(int index, const NoeudCle& noeud);
  QAbstractButton* construireReponse(const ReponseCle& reponse, Controles& controles);
  void construireFeuille(int index, const FeuilleCle& feuille);
  void appliquer();

  const ProfilCle& profil_;
  const FrmTemp& images_;
  QWidget& fenetre_;
  EtatCle etat_;
  std::vector<Controles> noeuds_;
  std::vector<Controles> feuilles_;
  std::vector<QWidget*> avertissements_;
};

}  // namespace sylvenor
