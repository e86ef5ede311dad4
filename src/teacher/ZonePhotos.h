#pragma once

#include <QDir>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "teacher/PhotosFiche.h"

class QLabel;
class QPushButton;

namespace sylvenor {

class Programme;

// The photographs of the card on screen in the card editor, with the buttons that give the card
// the teacher's own pictures or take them away.
class ZonePhotos : public QWidget {
  Q_OBJECT

 public:
  // `signaler` shows the editor's message for a file that could not be written.
  ZonePhotos(Programme& programme, std::function<void(FileError)> signaler, QWidget* parent);

  // Shows card n's pictures; for a new card, what waits for it.
  void montrer(std::int16_t n, bool nouvelle);
  // The new card is abandoned, or another card is shown: what waited is dropped.
  void oublier();
  // The new card is saved: what waited for it is written.
  FileError enregistrer(std::int16_t n);
  // In force from the next card shown.
  void setModifiable(bool modifiable);

 private:
  QWidget* construireBoutons();
  QPushButton* bouton(const QString& name, const QString& text);
  void choisir(PhotosFiche::Sorte sorte);
  void retirer(PhotosFiche::Sorte sorte);
  void afficher(PhotosFiche::Sorte sorte);
  QLabel* image(PhotosFiche::Sorte sorte) const;

  Programme& programme_;
  PhotosFiche photos_;
  std::function<void(FileError)> signaler_;
  std::int16_t numero_ = 0;
  bool nouvelle_ = false;
  bool modifiable_ = true;
  QString dossier_ = QDir::homePath();
  QLabel* imgEsp_ = nullptr;
  QLabel* imgEspGrande_ = nullptr;
  std::array<QPushButton*, 2> choisir_{};
  std::array<QPushButton*, 2> retirer_{};
};

}  // namespace sylvenor
