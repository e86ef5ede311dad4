#pragma once

#include <QFrame>
#include <array>
#include <string>

#include "species/SpeciesCodes.h"

class QLabel;
class QPropertyAnimation;

namespace sylvenor {

// The information card of a key: the species' name and its six lines, each behind its
// heading. The card takes the height its text needs at its width, so that no line is cut
// whatever the font and the screen's scaling. It waits out of view below its window and slides
// up over the photograph while the event loop keeps running.
class FicheInfo : public QFrame {
  Q_OBJECT

 public:
  FicheInfo(int largeur, QWidget* parent);

  void montrer(const std::string& nom, const RubriquesFiche& rubriques,
               const std::array<std::string, 6>& lignes);
  // Slides up from below the window to `haut`, or down out of view; each may turn the other
  // back midway.
  void entrer(int haut);
  void sortir();
  QLabel* nom() const { return lblNom_; }
  QLabel* ligne(std::size_t index) const { return lblInfo_.at(index); }

 private:
  void glisserVers(int haut);
  void finGlissement();

  QPropertyAnimation* glissement_ = nullptr;
  QLabel* lblNom_ = nullptr;
  std::array<QLabel*, 6> lblInfo_{};
};

}  // namespace sylvenor
