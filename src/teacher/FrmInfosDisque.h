#pragma once

#include <QFrame>
#include <filesystem>

#include "platform/VolumeQuery.h"

class QLabel;

namespace sylvenor {

// Where the program runs from, on what kind of medium, and how much room that medium has.
class FrmInfosDisque : public QFrame {
  Q_OBJECT

 public:
  explicit FrmInfosDisque(QWidget* parent);

  void afficher(const std::filesystem::path& dossier, const InfosVolume& volume);

 private:
  QLabel* ligne(int rang, const QString& caption, const QString& name);

  QLabel* lblChemin_ = nullptr;
  QLabel* lblTypeDisque_ = nullptr;
  QLabel* lblTailleTotale_ = nullptr;
  QLabel* lblTailleLibre_ = nullptr;
};

}  // namespace sylvenor
