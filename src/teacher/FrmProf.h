#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

#include "app/APropos.h"
#include "teacher/OptionsEleve.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QScrollArea;

namespace sylvenor {

class FrmResultats;

class FrmInfosDisque;
class FrmTemp;
class OptionPair;
class Programme;
class ZoneFiches;
class ZoneSuppression;

// The teacher screen. Created hidden at start-up, it lives for the whole run and is the live
// holder of the pupil options: the activities read them from here at the moment of use.
class FrmProf : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* kAdresseWeb = APropos::kAdresseWeb.data();

  FrmProf(Programme& programme, const FrmTemp& pictures);

  // The options as they stand on the screen.
  OptionsEleve options() const;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* construireBase(const FrmTemp& pictures);
  QWidget* construireAtelier();
  QWidget* construireCles();
  QWidget* construireFiltre();
  QWidget* construireBas(const FrmTemp& pictures);
  void afficherOptions(const OptionsEleve& options);
  void Form_Activate();
  // The tool labels: pressed with the mouse button or a key, then let go.
  void outilEnfonce(QWidget& label);
  void outilRelache(QWidget& label, bool surLeLien);
  void Command1_Click();
  void BtnResultats_Click();
  void CmdAjout_Click();
  void CmdSuppr_Click();
  void afficherNbFiches();
  void montrerZone(QWidget* zone, bool visible);
  void ajusterAEcran();

  Programme& programme_;
  const FrmTemp& pictures_;
  FrmInfosDisque* frmInfosDisque_ = nullptr;
  QPointer<FrmResultats> frmResultats_;
  QWidget* toucheSur_ = nullptr;  // the tool label a key went down on
  QWidget* contenu_ = nullptr;
  QScrollArea* defilement_ = nullptr;
  QWidget* bas_ = nullptr;
  QLabel* lblNbFiches_ = nullptr;
  ZoneFiches* zoneFiches_ = nullptr;
  ZoneSuppression* zoneSuppression_ = nullptr;
  std::array<QGroupBox*, 3> boitesOptions_{};
  OptionPair* optImprim_ = nullptr;
  OptionPair* optTest_ = nullptr;
  OptionPair* optEnreg_ = nullptr;
  OptionPair* optChoix_ = nullptr;
  OptionPair* optRep_ = nullptr;
  OptionPair* optCompteur_ = nullptr;
  OptionPair* optFiche_ = nullptr;
  std::array<QCheckBox*, 4> optUtiliser_{};
  bool accueilEnCours_ = false;
};

}  // namespace sylvenor
