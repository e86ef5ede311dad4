#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sylvenor {

// The program's name for the system: its settings file, its title for Qt.
inline constexpr std::string_view kNomApplication = "brambel-Sylvenor";

// The per-user settings: text values filed under a section and a key of the application
// "brambel-Sylvenor". Tests replace it with one that lives in a temporary folder.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Reading never creates a key.
  virtual std::optional<std::string> value(std::string_view section, std::string_view key) = 0;
  // The value is on the disk when this returns true; false when it could not be written there
  // (it then holds for this run only).
  virtual bool setValue(std::string_view section, std::string_view key, std::string_view text) = 0;
};

}  // namespace sylvenor
