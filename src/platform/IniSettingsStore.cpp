#include "platform/IniSettingsStore.h"

#include <QSettings>

namespace sylvenor {
namespace {

QString fullKey(std::string_view section, std::string_view key) {
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
         QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

IniSettingsStore::IniSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            "brambel-Sylvenor")) {}

IniSettingsStore::IniSettingsStore(const QString& filePath)
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

IniSettingsStore::~IniSettingsStore() = default;

std::optional<std::string> IniSettingsStore::value(std::string_view section, std::string_view key) {
  const QVariant stored = settings_->value(fullKey(section, key));
  if (!stored.isValid()) return std::nullopt;
  // A value edited by hand with a comma in it comes back as a list.
  if (stored.typeId() == QMetaType::QStringList) {
    return stored.toStringList().join(',').toStdString();
  }
  return stored.toString().toStdString();
}

void IniSettingsStore::setValue(std::string_view section, std::string_view key,
                                std::string_view text) {
  settings_->setValue(fullKey(section, key),
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  settings_->sync();
}

}  // namespace sylvenor
