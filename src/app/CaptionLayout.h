#pragma once

#include <QString>

namespace sylvenor {

// Captions whose runs of blanks set them out on several centred lines in their box.
class CaptionLayout {
 public:
  static QString lignes(const QString& caption);
};

}  // namespace sylvenor
