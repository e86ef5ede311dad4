#pragma once

#include <QColor>
#include <QPolygonF>
#include <QWidget>

#include "keys/DefinitionCle.h"

namespace sylvenor {

// A line joining a criterion to what its answer leads to; it lets the mouse through.
class KeyLine : public QWidget {
  Q_OBJECT

 public:
  KeyLine(const LigneCle& ligne, QWidget* parent, const QColor& colour = Qt::black);

  // Runs the line through these points of its parent.
  void placer(const QPolygonF& trace);
  // Where the line runs, in its parent.
  QPolygonF trace() const { return trace_.translated(pos()); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPolygonF trace_;
  QColor colour_;
};

}  // namespace sylvenor
