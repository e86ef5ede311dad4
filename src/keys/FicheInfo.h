#pragma once

#include <QFrame>
#include <array>
#include <string>

#include "species/SpeciesCodes.h"

class QLabel;

namespace sylvenor {

// The information card of a key: the species' name and its six lines, each behind its
// heading. The card takes the height its text needs at its width, so that no line is cut
// whatever the font and the screen's scaling.
class FicheInfo : public QFrame {
  Q_OBJECT

 public:
  FicheInfo(int largeur, QWidget* parent);

  void montrer(const std::string& nom, const RubriquesFiche& rubriques,
               const std::array<std::string, 6>& lignes);
  QLabel* nom() const { return lblNom_; }
  QLabel* ligne(std::size_t index) const { return lblInfo_.at(index); }

 private:
  QLabel* lblNom_ = nullptr;
  std::array<QLabel*, 6> lblInfo_{};
};

}  // namespace sylvenor
