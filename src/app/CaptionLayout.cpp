#include "app/CaptionLayout.h"

#include <QRegularExpression>

namespace sylvenor {

QString CaptionLayout::lignes(const QString& caption) {
  static const QRegularExpression kBlanks(" {2,}");
  return caption.trimmed().split(kBlanks).join('\n');
}

}  // namespace sylvenor
