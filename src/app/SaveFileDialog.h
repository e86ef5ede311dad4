#pragma once

#include <QString>

class QWidget;

namespace sylvenor {

// Asks where to save a file, in Qt's own dialog (French, and the same on every desktop),
// starting in the user's documents. The name keeps the extension of `proposedName`; empty
// when the user gives up.
class SaveFileDialog {
 public:
  static QString ask(QWidget* parent, const QString& title, const QString& proposedName,
                     const QString& filter);
};

}  // namespace sylvenor
