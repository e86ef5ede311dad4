#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/SettingsStore.h"

namespace sylvenor {

inline constexpr std::string_view kApplication = "brambel-Sylvenor";
inline constexpr std::string_view kSectionSecurite = "Sécurité";
inline constexpr std::string_view kSectionParametres = "Paramètres";

// Typed reading and writing of the settings. A missing key, or a text that does not convert to
// the type asked for ("abc" where a Boolean is read), yields the reader's default.
class Reglages {
 public:
  explicit Reglages(SettingsStore& store) : store_(store) {}

  bool booleen(std::string_view section, std::string_view key, bool defaut);
  std::int16_t entier(std::string_view section, std::string_view key, std::int16_t defaut);
  std::string texte(std::string_view section, std::string_view key, std::string_view defaut);

  void ecrireBooleen(std::string_view section, std::string_view key, bool value);
  void ecrireEntier(std::string_view section, std::string_view key, std::int16_t value);
  void ecrireTexte(std::string_view section, std::string_view key, std::string_view value);

  // "True"/"False" in any letter case, or a decimal number (0 is False, any other True).
  static std::optional<bool> texteVersBooleen(std::string_view text);
  // Decimal digits with an optional sign, within 16 bits.
  static std::optional<std::int16_t> texteVersEntier(std::string_view text);

 private:
  SettingsStore& store_;
};

}  // namespace sylvenor
