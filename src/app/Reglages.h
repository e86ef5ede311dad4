#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/SettingsStore.h"

namespace sylvenor {

inline constexpr std::string_view kSectionSecurite = "Sécurité";
inline constexpr std::string_view kSectionParametres = "Paramètres";

// Typed reading and writing of the settings. A missing key, or a text that does not convert to
// the type asked for ("abc" where a Boolean is read), yields the reader's default.
class Reglages {
 public:
  // What the teacher is told when a setting could not be written.
  static constexpr std::string_view kNonEnregistres =
      "Les réglages n'ont pas pu être enregistrés sur le disque.\n"
      "Ils valent jusqu'à la fermeture du logiciel, mais plus au prochain démarrage.\n"
      "Vérifiez que le fichier des réglages n'est pas en lecture seule.";

  explicit Reglages(SettingsStore& store) : store_(store) {}

  bool booleen(std::string_view section, std::string_view key, bool defaut);
  std::int16_t entier(std::string_view section, std::string_view key, std::int16_t defaut);
  std::string texte(std::string_view section, std::string_view key, std::string_view defaut);

  // Each returns whether the value reached the disk.
  bool ecrireBooleen(std::string_view section, std::string_view key, bool value);
  bool ecrireEntier(std::string_view section, std::string_view key, std::int16_t value);
  bool ecrireTexte(std::string_view section, std::string_view key, std::string_view value);

  // "True"/"False" in any letter case, or a decimal number (0 is False, any other True).
  static std::optional<bool> texteVersBooleen(std::string_view text);
  // Decimal digits with an optional sign, within 16 bits.
  static std::optional<std::int16_t> texteVersEntier(std::string_view text);

 private:
  SettingsStore& store_;
};

}  // namespace sylvenor
