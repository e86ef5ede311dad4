#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "workshop/ClassificationEleve.h"
#include "workshop/EssaiClassification.h"
#include "workshop/PlateauClassification.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QTimer;

namespace sylvenor {

class FrmTemp;

// "Tester la classification": a classmate answers the key's questions for each of the four
// living things, then sees which were classified as the key's author planned.
class FrmTester : public QWidget {
  Q_OBJECT

 public:
  // The board as it stood when the trial began.
  struct Plateau {
    ClassificationEleve cle;
    PlateauClassification placement;
    std::array<QPixmap, PlateauClassification::kNbImages> images;
    std::string nomEleve;
  };

  FrmTester(Plateau plateau, const FrmTemp& images, std::function<void()> retour, QWidget* parent);
  ~FrmTester() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  enum Branche { Branche1, Branche2 };

  void construireCle();
  void relier();
  void construireClasser();
  void construireComparaison();
  QAbstractButton* reponse(const QString& name, std::size_t texte, const QRect& rect);
  QLabel* question(const QString& name, std::size_t texte, const QRect& rect);
  void Les4especes();
  void RAZ();
  void focaliserDepart();
  void fermerBranche(Branche branche);
  void ouvrirBranche(Branche branche);
  void choisirBoite(int boite);
  void accepter(int boite);
  void Compare();
  void TimerBien_Timer();
  void montrer(const QString& name, bool visible);

  Plateau plateau_;
  EssaiClassification essai_;
  std::function<void()> retour_;
  QGroupBox* frmClasser_ = nullptr;
  QGroupBox* frmCompare_ = nullptr;
  QLabel* imgTest_ = nullptr;
  QLabel* aide_ = nullptr;
  QLabel* lblNumEsp_ = nullptr;
  QLabel* lblBienPlace_ = nullptr;
  QLabel* lblResult_ = nullptr;
  std::array<QLabel*, PlateauClassification::kNbImages> imgBien_{};
  std::array<QLabel*, PlateauClassification::kNbImages> imgFaux_{};
  QTimer* timerBien_ = nullptr;
  int etapeAffichage_ = 0;
};

}  // namespace sylvenor
