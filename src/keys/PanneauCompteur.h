#pragma once

#include <QFrame>

class QLabel;

namespace sylvenor {

class Exercice;

// The counter panel of a key: help used, species presented, right and wrong, and the share of
// right answers as a bar and a percentage.
class PanneauCompteur : public QFrame {
  Q_OBJECT

 public:
  explicit PanneauCompteur(QWidget* parent);

  // Every count as the exercise holds it; the bar keeps its state while nothing is answered.
  void montrer(const Exercice& exercice);
  void montrerAide(const Exercice& exercice);
  // The rank of the species about to come, while the pupil chooses its number.
  void montrerRangSuivant(const Exercice& exercice);

 private:
  void montrerAide(int espece, int total);

  QLabel* lblCompteAide_ = nullptr;
  QLabel* lblEssai_ = nullptr;
  QLabel* lblBon_ = nullptr;
  QLabel* lblErreur_ = nullptr;
  QLabel* barcolor_ = nullptr;
  QLabel* lblPourcent_ = nullptr;
};

}  // namespace sylvenor
