#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;

namespace sylvenor {

class FrmTemp;
class Programme;

// The living-things browser: the pupil lists the plants, the animals or every living thing,
// looks at one species' photograph and card, and may send it to its key to classify it. It
// only reads the species table: it writes no file and no exercise.
class Form4 : public QWidget {
  Q_OBJECT

 public:
  // `classer` receives the number of the species that the pupil wants to classify.
  Form4(Programme& programme, const FrmTemp& images, std::function<void(std::int16_t)> classer,
        QWidget* parent = nullptr);

  // The sentence that tells the group of the species just classified from here.
  void afficherGroupe(const QString& phrase);
  // Lists the species of the base as it is now; the species shown stays shown when it is
  // still listed.
  void rafraichir();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The species on screen, as it was when it was shown.
  struct Choix {
    std::int16_t numero = 0;
    std::string nom;
  };

  void construireChoix();
  void construireFiche(const FrmTemp& images);
  void construireBoutons(const FrmTemp& images);

  int typeChoisi() const;
  void remplir();
  bool reselectionner(const Choix& choix);
  std::optional<Choix> choixDeLaListe() const;
  bool toujoursDansLaBase(const Choix& choix) const;
  std::optional<Choix> choixValide();

  void ListEsp_Click();
  void afficher(const Choix& choix);
  void afficherPhoto(std::int16_t numero);
  void effacer();
  void IcoLoupe_Click();
  void BtnGo_Click();
  void BtnQuit_Click();

  Programme& programme_;
  std::function<void(std::int16_t)> classer_;
  std::optional<Choix> affiche_;
  QButtonGroup* optType_ = nullptr;
  QListWidget* listEsp_ = nullptr;
  QLabel* lblNbEsp_ = nullptr;
  QLabel* imgEspece_ = nullptr;
  QLabel* lblNom_ = nullptr;
  QLabel* lblGroupe_ = nullptr;
  std::array<QLabel*, 6> lblInfo_{};
  QWidget* icoLoupe_ = nullptr;
  QPushButton* btnGo_ = nullptr;
};

}  // namespace sylvenor
