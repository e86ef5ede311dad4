#pragma once

#include <QColor>
#include <QWidget>

#include "keys/DefinitionCle.h"

namespace sylvenor {

// A line joining a criterion to what its answer leads to; it lets the mouse through.
class KeyLine : public QWidget {
  Q_OBJECT

 public:
  KeyLine(const LigneCle& ligne, QWidget* parent, const QColor& colour = Qt::black);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint from_;
  QPoint to_;
  QColor colour_;
};

}  // namespace sylvenor
