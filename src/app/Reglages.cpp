#include "app/Reglages.h"

#include <charconv>
#include <cstdint>

#include "species/Blancs.h"

namespace sylvenor {
namespace {

bool equalsIgnoringCase(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    if (lower != word[i]) return false;
  }
  return true;
}

std::optional<long long> decimal(std::string_view text) {
  text = Blancs::autour(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<bool> Reglages::texteVersBooleen(std::string_view text) {
  const std::string_view word = Blancs::autour(text);
  if (equalsIgnoringCase(word, "true")) return true;
  if (equalsIgnoringCase(word, "false")) return false;
  const auto number = decimal(word);
  if (!number) return std::nullopt;
  return *number != 0;
}

std::optional<std::int16_t> Reglages::texteVersEntier(std::string_view text) {
  const auto number = decimal(text);
  if (!number || *number < INT16_MIN || *number > INT16_MAX) return std::nullopt;
  return static_cast<std::int16_t>(*number);
}

bool Reglages::booleen(std::string_view section, std::string_view key, bool defaut) {
  const auto text = store_.value(section, key);
  return text ? texteVersBooleen(*text).value_or(defaut) : defaut;
}

std::int16_t Reglages::entier(std::string_view section, std::string_view key, std::int16_t defaut) {
  const auto text = store_.value(section, key);
  return text ? texteVersEntier(*text).value_or(defaut) : defaut;
}

std::string Reglages::texte(std::string_view section, std::string_view key,
                            std::string_view defaut) {
  return store_.value(section, key).value_or(std::string(defaut));
}

bool Reglages::ecrireBooleen(std::string_view section, std::string_view key, bool value) {
  return store_.setValue(section, key, value ? "True" : "False");
}

bool Reglages::ecrireEntier(std::string_view section, std::string_view key, std::int16_t value) {
  return store_.setValue(section, key, std::to_string(value));
}

bool Reglages::ecrireTexte(std::string_view section, std::string_view key, std::string_view value) {
  return store_.setValue(section, key, value);
}

}  // namespace sylvenor
