#pragma once

#include <QWidget>

#include "keys/DefinitionCle.h"

namespace sylvenor {

// A line joining a criterion to what its answer leads to; it lets the mouse through.
class KeyLine : public QWidget {
  Q_OBJECT

 public:
  KeyLine(const LigneCle& ligne, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint from_;
  QPoint to_;
};

}  // namespace sylvenor
