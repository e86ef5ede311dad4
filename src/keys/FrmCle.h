#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "keys/ProfilCle.h"

class QFrame;
class QLabel;

namespace sylvenor {

class ControlesCle;
class FicheInfo;
class PanneauCompteur;
class FrmDemanderNumEsp;
class FrmTemp;
class Programme;
struct OptionsEleve;

class FrmCle;

// How a key was opened: from the menu for an exercise, from the browser for a single
// classification of one species, or by another key for the species it shows.
struct OrigineCle {
  QPointer<FrmCle> appelante;
  std::int16_t especeNavigateur = 0;
  std::function<void(const std::string&)> afficherGroupe;
};

// One key window: it builds every control of its key's table at load, then only shows and
// hides them while the pupil walks the key. It presents species one after another, checks the
// group validated, counts, and shows the recap when the pupil quits.
class FrmCle : public QWidget {
  Q_OBJECT

 public:
  // The windows that outlive a key run.
  struct Entourage {
    const FrmTemp& images;
    FrmDemanderNumEsp& numero;
    QWidget& accueil;
    std::function<void()> dictionnaire;  // opens the program's one dictionary
  };

  FrmCle(Programme& programme, const ProfilCle& profil, Entourage entourage,
         OrigineCle origine = {});
  ~FrmCle() override;

  // Presents the first species. When none can be presented the pupil is told so and the
  // window closes without a recap; returns false then.
  bool demarrer();
  // Brings the key back to the front, or the key it handed its species over to.
  void ramener();
  std::int16_t espece() const { return espece_; }
  // Until its run has ended; the window itself goes a moment later.
  bool enCours() const { return !fini_; }

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void construireEntete();
  void construirePhoto();
  void construireFiche();
  void construireCompteur();
  void construireRetour();
  bool navigateur() const { return origine_.especeNavigateur > 0; }
  // After a validation that moves on: the next species, or back to the browser or the key
  // that handed the species over.
  void avancer(bool juste);
  void passer();
  void BtnFrm1_Click();

  OptionsEleve options() const;
  void suivant();
  void afficher(std::int16_t numero);
  void valider(const FeuilleCle& feuille);
  void montrerVerdict(bool juste);
  void majCompteur();
  void Form_Activate();
  void montrerFiche();
  void cacherFiche();
  int hautFicheEntiere() const;
  void aide(int index);
  void AfficherLoupe();
  void BtnQuit_Click();
  void FinExercice();
  void terminer();

  Programme& programme_;
  const ProfilCle& profil_;
  Entourage entourage_;
  OrigineCle origine_;
  std::int16_t espece_ = 0;
  ControlesCle* controles_ = nullptr;
  QPointer<FrmCle> suite_;
  QFrame* frmImage_ = nullptr;
  QLabel* imgEspece_ = nullptr;
  QWidget* icoLoupe_ = nullptr;
  FicheInfo* frmInfo_ = nullptr;
  PanneauCompteur* frmCompteur_ = nullptr;
  bool fini_ = false;
};

}  // namespace sylvenor
