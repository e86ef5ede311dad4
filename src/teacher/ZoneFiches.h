#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "teacher/EditeurFiches.h"
#include "teacher/FrmImporterFiches.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QToolButton;

namespace sylvenor {

class FrmTemp;
class ListeDeroulante;
class Programme;
class ZonePhotos;

// The card editor zone of the teacher screen: one card at a time, checked against the table so
// that no edit is lost without the teacher's answer.
class ZoneFiches : public QWidget {
  Q_OBJECT

 public:
  // `compteChange` shows the new number of cards on the teacher screen; `fermer` closes the zone.
  ZoneFiches(Programme& programme, const FrmTemp& pictures, std::function<void()> compteChange,
             std::function<void()> fermer, QWidget* parent);

  // Opens on the last card; false, with the reason shown, when the base cannot be changed.
  bool ouvrir();
  // Settles a pending modification with the teacher before the zone goes; false to stay.
  bool quitter();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* construireEntete();
  QWidget* construireGroupes();
  QWidget* construireLignes();
  QWidget* construireBoutons(const FrmTemp& pictures);
  QButtonGroup* choix(const QString& prefix, int count, int rows, std::int16_t& spy, QGroupBox* box,
                      const std::function<QString(int)>& caption);

  void LireFiche(std::int16_t n);
  void afficherSaisie(const SaisieFiche& saisie);
  SaisieFiche saisie() const;
  void afficherRegne(bool animal);
  void afficherNumero(std::int16_t n);
  void remplirListe();
  void placerScroll(std::int16_t position);
  void Modif_EnCours();
  void FinModif_EnCours();
  bool regler(const QString& question, const QString& title);
  bool refuser(const SaisieFiche& card);
  bool ecrire();
  void relire();

  void Scroll_Change(int position);
  void CmbListeEsp_Click(int index);
  void OptRegne_Click(bool animal);
  void BtnNouveau_Click();
  void BtnDetruire_Click();
  void BtnEnreg_Click();
  void BtnFermerAjout_Click();
  void echanger(FrmImporterFiches::Mode mode);

  Programme& programme_;
  const FrmTemp& pictures_;
  EditeurFiches editeur_;
  std::function<void()> compteChange_;
  std::function<void()> fermer_;
  bool inutilisable_ = false;
  std::int16_t spyAnim_ = -1;
  std::int16_t spyVeget_ = -1;
  std::int16_t spyRepartition_ = 2;

  QWidget* saisieZone_ = nullptr;
  QLabel* lblNumFiche_ = nullptr;
  QScrollBar* scroll_ = nullptr;
  ListeDeroulante* cmbListeEsp_ = nullptr;
  QLineEdit* txtNomEspece_ = nullptr;
  QRadioButton* optAnimal_ = nullptr;
  QRadioButton* optVegetal_ = nullptr;
  QGroupBox* boxAnimal_ = nullptr;
  QGroupBox* boxVegetal_ = nullptr;
  QButtonGroup* optAnim_ = nullptr;
  QButtonGroup* optVeget_ = nullptr;
  QButtonGroup* optRepartition_ = nullptr;
  std::array<QLabel*, 6> lblInfo_{};
  std::array<QLineEdit*, 6> txtInfo_{};
  ZonePhotos* photos_ = nullptr;
  QLabel* spyEnreg_ = nullptr;
  QLabel* spyNew_ = nullptr;
  QToolButton* btnNouveau_ = nullptr;
  QToolButton* btnEnreg_ = nullptr;
  QToolButton* btnDetruire_ = nullptr;
};

}  // namespace sylvenor
