#pragma once

#include <QString>

class QWidget;

namespace sylvenor {

struct DefinitionCle;

// Draws the lines of a key from its controls as they are laid out and shown on this screen:
// each visible line leaves the answer that opens a criterion or a group (beside its help
// label) and reaches that criterion's or group's text, going round what is in its way, so
// that it never runs over a text or a button whatever the font.
class KeyLineRouter {
 public:
  static void relier(const DefinitionCle& cle, const QString& nomAides, QWidget& fenetre);
};

}  // namespace sylvenor
