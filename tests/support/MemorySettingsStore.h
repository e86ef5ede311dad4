#pragma once

#include <map>
#include <string>

#include "platform/SettingsStore.h"

namespace sylvenor::test {

// Settings held in memory, keyed "section/key".
class MemorySettingsStore : public SettingsStore {
 public:
  std::optional<std::string> value(std::string_view section, std::string_view key) override {
    const auto found = values.find(std::string(section) + "/" + std::string(key));
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  bool setValue(std::string_view section, std::string_view key, std::string_view text) override {
    values[std::string(section) + "/" + std::string(key)] = text;
    return ecrit;
  }

  std::map<std::string, std::string> values;
  bool ecrit = true;  // false: every write fails, as on a read-only settings file
};

}  // namespace sylvenor::test
