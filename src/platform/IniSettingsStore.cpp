#include "platform/IniSettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <filesystem>

namespace sylvenor {
namespace {

QString fullKey(std::string_view section, std::string_view key) {
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
         QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// A missing file is created on the first write; anything else must be a regular file (a link
// to one included).
bool ouvrable(const QString& filePath) {
  std::error_code erreur;
  const auto etat = std::filesystem::status(QFile::encodeName(filePath).toStdString(), erreur);
  return etat.type() == std::filesystem::file_type::not_found ||
         etat.type() == std::filesystem::file_type::regular;
}

QString nomApplication() {
  return QString::fromUtf8(kNomApplication.data(), static_cast<qsizetype>(kNomApplication.size()));
}

QString fichierUtilisateur() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
         nomApplication() + ".ini";
}

}  // namespace

IniSettingsStore::IniSettingsStore() {
  if (ouvrable(fichierUtilisateur())) {
    settings_ =
        std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, nomApplication());
  }
}

IniSettingsStore::IniSettingsStore(const QString& filePath) {
  if (ouvrable(filePath)) settings_ = std::make_unique<QSettings>(filePath, QSettings::IniFormat);
}

IniSettingsStore::~IniSettingsStore() = default;

std::optional<std::string> IniSettingsStore::value(std::string_view section, std::string_view key) {
  if (!settings_) {
    const auto found = memoire_.find(fullKey(section, key));
    if (found == memoire_.end()) return std::nullopt;
    return found->second;
  }
  const QVariant stored = settings_->value(fullKey(section, key));
  if (!stored.isValid()) return std::nullopt;
  // A value edited by hand with a comma in it comes back as a list.
  if (stored.typeId() == QMetaType::QStringList) {
    return stored.toStringList().join(',').toStdString();
  }
  return stored.toString().toStdString();
}

bool IniSettingsStore::setValue(std::string_view section, std::string_view key,
                                std::string_view text) {
  if (!settings_) {
    memoire_[fullKey(section, key)] = std::string(text);
    return false;
  }
  settings_->setValue(fullKey(section, key),
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

}  // namespace sylvenor
