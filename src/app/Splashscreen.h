#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QAbstractButton;
class QPushButton;

namespace sylvenor {

class Form4;
class FrmAide;
class FrmCle;
class FrmCreer;
class FrmDemanderNumEsp;
class FrmProf;
class FrmTemp;
class PictureButton;
class Programme;
struct ProfilCle;

// The start screen: the first and last window. Collapsed it shows the pupil, teacher and quit
// entries; expanded, the pupil menu too.
class Splashscreen : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHauteurReduite = 1905;  // twips
  static constexpr int kHauteurDeployee = 4470;

  explicit Splashscreen(Programme& programme);
  ~Splashscreen() override;

  // Start-up: loading notice, picture store, teacher screen, species base.
  void Form_Load();

  FrmTemp& frmTemp() { return *frmTemp_; }
  FrmProf& frmProf() { return *frmProf_; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void construireBandeau();
  void construireMenu();
  QAbstractButton* ajouterEntreeMenu(int row, const QString& buttonName, const QString& labelName,
                                     const QString& caption);
  void Form_Activate();
  bool activiteOuverte();
  void BtnEleve_Click();
  void BtnProfesseur_Click();
  void Command6_Click();
  void BtnQuit_Click();
  void relireFiches();
  void Command1_Click();
  void Command2_Click();
  void classerDepuisNavigateur(std::int16_t numero);
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void ouvrirCle(QPointer<FrmCle>& cle, const ProfilCle& profil);
  void afficherProfesseur();
  void setHauteur(int twipsHeight);

  Programme& programme_;
  std::unique_ptr<FrmTemp> frmTemp_;
  std::unique_ptr<FrmProf> frmProf_;
  std::unique_ptr<FrmDemanderNumEsp> frmDemanderNumEsp_;
  // The windows that exist once: a menu entry brings them back to the front.
  QPointer<FrmCle> frm2_;
  QPointer<FrmCle> frm3_;
  QPointer<Form4> frm4_;
  QPointer<FrmCle> cleNavigateur_;
  QPointer<FrmAide> frmAide_;
  QPointer<FrmCreer> frmCreer_;
  PictureButton* btnEleve_ = nullptr;
  PictureButton* btnProfesseur_ = nullptr;
  PictureButton* btnQuit_ = nullptr;
  QFrame* boxPass_ = nullptr;
  QLineEdit* txtPass_ = nullptr;
  QLabel* lblNomEleve_ = nullptr;
  std::vector<QWidget*> menu_;  // the entries shown once the pupil has given a name
};

}  // namespace sylvenor
