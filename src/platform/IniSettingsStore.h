#pragma once

#include <QString>
#include <memory>

#include "platform/SettingsStore.h"

class QSettings;

namespace sylvenor {

// Qt's settings in INI format: by default the user's file under the XDG config directory
// (brambel-Sylvenor.ini), or any file given, for tests.
class IniSettingsStore : public SettingsStore {
 public:
  IniSettingsStore();
  explicit IniSettingsStore(const QString& filePath);
  ~IniSettingsStore() override;

  std::optional<std::string> value(std::string_view section, std::string_view key) override;
  void setValue(std::string_view section, std::string_view key, std::string_view text) override;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace sylvenor
