#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

#include "workshop/ClassificationEleve.h"
#include "workshop/PlateauClassification.h"

class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace sylvenor {

class FrmChargerClassif;
class FrmTemp;
class FrmTester;
class Programme;

// The workshop board: the pupil writes a key of three questions and six answers, drags the four
// living things into its final boxes, and saves, loads, prints it or has a classmate try it.
class FrmCreer : public QWidget {
  Q_OBJECT

 public:
  struct Entourage {
    const FrmTemp& images;
    QWidget& accueil;
  };

  FrmCreer(Programme& programme, Entourage entourage);
  ~FrmCreer() override;

  ClassificationEleve classification() const;
  // Writes a loaded key into the nine boxes; the pictures stay where they are.
  void charger(const ClassificationEleve& cle);
  const PlateauClassification& plateau() const { return plateau_; }
  // Brings the workshop to the front: the trial while one runs, the board otherwise.
  void ramener();
  // The board on screen, or its trial.
  bool ouvert() const;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void construireCle();
  void construireImages();
  void construireBoutons();
  QPlainTextEdit* caseTexte(const QString& name, const QRect& rect, bool question);
  QPushButton* bouton(const QString& name, const QString& caption, const QRect& rect);
  void afficherTextes(const ClassificationEleve& cle);
  bool Img_Souris(int index, QEvent* event);
  void glisser(int index, QPointF pointeur);
  void lacher(int index);
  bool ranger(int index, const QKeyEvent& touche);
  void placer(int index);
  void afficherAide(int index);
  void Command2_Click();
  void BtnImprim_Click();
  void BtnTest_Click();
  void BtnEnreg_Click();
  void BtnCharger_Click();
  void BtnQuit_Click();
  void finEssai();

  Programme& programme_;
  Entourage entourage_;
  PlateauClassification plateau_;
  std::array<QPlainTextEdit*, ClassificationEleve::kNbCases> cases_{};
  std::array<QLabel*, PlateauClassification::kNbImages> img_{};
  QLabel* aide_ = nullptr;
  int glissee_ = -1;  // the picture under the pressed button
  PositionTwips depart_;
  QPointer<FrmChargerClassif> chargement_;
  QPointer<FrmTester> essai_;
};

}  // namespace sylvenor
