#pragma once

#include <QSizeF>
#include <QString>

class QPainter;

namespace sylvenor::draw {

// Which drawing explains which "?" button: the key's window name and the index of the button.
class HelpDrawingCatalog {
 public:
  // Every drawing paints in this canvas, its origin at the top left corner.
  static constexpr QSizeF kCanvas{744, 330};

  using Drawing = void (*)(QPainter&);

  // nullptr when no drawing is known for the button: its picture then shows the text alone.
  static Drawing find(const QString& key, int index);
};

}  // namespace sylvenor::draw
