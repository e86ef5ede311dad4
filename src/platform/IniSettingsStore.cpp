#include "platform/IniSettingsStore.h"

#include <QFile>
#include <QFileInfo>
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

// The first of the system's config folders that holds the file; none when no folder does.
QString fichierEcole() {
  QStringList dossiers = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
  dossiers.removeAll(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  for (const QString& dossier : dossiers) {
    const QString chemin = dossier + '/' + nomApplication() + ".ini";
    if (QFileInfo::exists(chemin)) return chemin;
  }
  return {};
}

std::unique_ptr<QSettings> ouvrir(const QString& filePath) {
  if (filePath.isEmpty() || !ouvrable(filePath)) return nullptr;
  return std::make_unique<QSettings>(filePath, QSettings::IniFormat);
}

}  // namespace

IniSettingsStore::IniSettingsStore() : IniSettingsStore(fichierUtilisateur(), fichierEcole()) {}

IniSettingsStore::IniSettingsStore(const QString& filePath, const QString& schoolFilePath)
    : settings_(ouvrir(filePath)), ecole_(ouvrir(schoolFilePath)) {}

IniSettingsStore::~IniSettingsStore() = default;

std::optional<std::string> IniSettingsStore::value(std::string_view section, std::string_view key) {
  QVariant stored;
  if (settings_) {
    stored = settings_->value(fullKey(section, key));
  } else if (const auto found = memoire_.find(fullKey(section, key)); found != memoire_.end()) {
    return found->second;
  }
  if (!stored.isValid() && ecole_) stored = ecole_->value(fullKey(section, key));
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
