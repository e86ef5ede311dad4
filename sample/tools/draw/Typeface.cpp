#include "Typeface.h"

#include <QFontDatabase>

namespace sylvenor::draw {

namespace {
const QString kFamily = QStringLiteral("DejaVu Sans");
}

QFont Typeface::sans(int pixelSize, QFont::Weight weight) {
  QFont font(kFamily);
  font.setPixelSize(pixelSize);
  font.setWeight(weight);
  font.setStyleStrategy(QFont::PreferAntialias);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

bool Typeface::isInstalled() { return QFontDatabase::hasFamily(kFamily); }

}  // namespace sylvenor::draw
