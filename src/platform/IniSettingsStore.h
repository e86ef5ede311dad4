#pragma once

#include <QString>
#include <map>
#include <memory>

#include "platform/SettingsStore.h"

class QSettings;

namespace sylvenor {

// Qt's settings in INI format: by default the user's file under the XDG config directory
// (brambel-Sylvenor.ini), or any file given, for tests. A school-wide file of the same name in
// the system's config folders (XDG_CONFIG_DIRS, /etc/xdg unless set otherwise) gives every
// account the values it has not set itself; it is only read. A settings file that is not a
// regular file (a pipe, a device, a folder) is never opened, as reading it could hang the
// start: the user's settings then live in memory for the run, and every write says it did not
// reach the disk.
class IniSettingsStore : public SettingsStore {
 public:
  IniSettingsStore();
  explicit IniSettingsStore(const QString& filePath, const QString& schoolFilePath = {});
  ~IniSettingsStore() override;

  std::optional<std::string> value(std::string_view section, std::string_view key) override;
  bool setValue(std::string_view section, std::string_view key, std::string_view text) override;

 private:
  std::unique_ptr<QSettings> settings_;
  std::unique_ptr<QSettings> ecole_;
  std::map<QString, std::string> memoire_;  // used when the file cannot be opened
};

}  // namespace sylvenor
